// The JSON shapes of persons, zombies and items.
#include "game/person_json.h"

#include <gtest/gtest.h>

#include "game/item.h"
#include "game/person.h"
#include "rules_fixture.h"

namespace {

class PersonJsonTest : public RulesTest {};

TEST_F(PersonJsonTest, ItemShape) {
  EXPECT_TRUE(ItemToJson(nullptr).is_null());
  Feed({4});
  Item revolver(41);
  const nlohmann::json j = ItemToJson(&revolver);
  EXPECT_EQ(j, nlohmann::json({{"type", 41},
                               {"name", "Револьвер"},
                               {"kind", 0},
                               {"size", 1},
                               {"loaded", 4},
                               {"capacity", 6},
                               {"selectedAction", 0}}));
}

TEST_F(PersonJsonTest, MemberShapeInUtf8) {
  Feed({0, Roll(0.1)});  // the cook, with his kitchen knife
  Person* cook = new Person(100, 1, 0, 2, 10);
  cook->AddAction(7, 1.5f, 0.0f, true);
  const nlohmann::json j = PersonToJson(*cook);

  EXPECT_EQ(j["life"], 4);
  EXPECT_EQ(j["armour"]["type"], 4);
  EXPECT_TRUE(j["keys"].is_null());
  EXPECT_EQ(j["skills"], nlohmann::json::array({0}));
  EXPECT_EQ(j["queue"], nlohmann::json::array({nlohmann::json::array({7, 1.5, 0.0})}));
  EXPECT_EQ(j["name"], "Максим (Ножи)");
  const std::string description = j["description"];
  EXPECT_NE(description.find("\nИграет в хоккей."), std::string::npos);
  ASSERT_EQ(j["bag"].size(), 1u);
  EXPECT_EQ(j["bag"][0]["name"], "Кухонный нож");
  EXPECT_EQ(j["bagCapacity"], 4);
  for (const char* key : {"firstName", "profession", "trait", "photo", "x", "y", "cell", "secondCell", "alive",
                          "direction", "maximum", "actionPoints", "painkillerTurns", "holster", "backpack",
                          "bagLoad", "active"}) {
    EXPECT_TRUE(j.contains(key)) << key;
  }
  DeletePerson(cook);
}

TEST_F(PersonJsonTest, ZombieShape) {
  Feed({0});
  Person* zombie = new Person(105);
  zombie->targetable = 1;
  zombie->AddAction(36, 0.4f, 0.0f, true);
  const nlohmann::json j = PersonToJson(*zombie);
  std::vector<std::string> keys;
  for (auto it = j.begin(); it != j.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"actionPoints", "cell", "direction", "queue", "secondCell",
                                            "targetable", "x", "y"}));
  EXPECT_EQ(j["direction"], 1);
  EXPECT_EQ(j["actionPoints"], 2);
  EXPECT_EQ(j["targetable"], true);
  EXPECT_EQ(j["queue"][0][0], 36);
  DeletePerson(zombie);
}

}  // namespace
