// The JSON shapes of items, members and zombies that the harness reads, names in UTF-8.
#include "game/person_json.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

class PersonJsonTest : public RulesTest {};

TEST_F(PersonJsonTest, ItemAndMemberShapes) {
  EXPECT_TRUE(ItemToJson(nullptr).is_null());
  Feed({4});
  Item revolver(41);
  EXPECT_EQ(ItemToJson(&revolver), nlohmann::json({{"type", 41},
                                                   {"name", "Револьвер"},
                                                   {"kind", 0},
                                                   {"size", 1},
                                                   {"loaded", 4},
                                                   {"capacity", 6},
                                                   {"selectedAction", 0}}));

  Feed({0, Roll(0.1)});  // the cook, with his kitchen knife
  Person* cook = Keep(new Person(100, 1, 0, 2, 10));
  cook->AddAction(7, 1.5f, 0.0f, true);
  const nlohmann::json j = PersonToJson(*cook);
  EXPECT_EQ(j["armour"]["type"], 4);
  EXPECT_TRUE(j["keys"].is_null());
  EXPECT_EQ(j["queue"], nlohmann::json::array({nlohmann::json::array({7, 1.5, 0.0})}));
  EXPECT_EQ(j["name"], "Максим (Ножи)");
  EXPECT_NE(j["description"].get<std::string>().find("\nИграет в хоккей."), std::string::npos);
  EXPECT_EQ(j["bag"][0]["name"], "Кухонный нож");
}

TEST_F(PersonJsonTest, ZombieShapeHoldsOnlyItsOwnFields) {
  Feed({0});
  Person* zombie = Keep(new Person(105));
  zombie->targetable = 1;
  zombie->AddAction(36, 0.4f, 0.0f, true);
  const nlohmann::json j = PersonToJson(*zombie);
  std::vector<std::string> keys;
  for (auto it = j.begin(); it != j.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"actionPoints", "cell", "direction", "queue", "secondCell",
                                            "targetable", "x", "y"}));
  EXPECT_EQ(j["targetable"], true);
  EXPECT_EQ(j["queue"][0][0], 36);
}

}  // namespace
