// The JSON shapes of members and zombies that the harness reads, names in UTF-8.
#include "game/person_json.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace {

class PersonJsonTest : public RulesTest {};

// Game texts are Windows-1251 inside and must go out as UTF-8; a zombie carries no member fields.
TEST_F(PersonJsonTest, MemberNamesAndQueueGoOutAndZombiesHoldOnlyTheirOwnFields) {
  EXPECT_TRUE(ItemToJson(nullptr).is_null());
  Feed({0, Roll(0.1)});  // the cook, with his kitchen knife
  Person* cook = Keep(new Person(100, 1, 0, 2, 10));
  cook->AddAction(PA_STEP_RIGHT, 1.5f, 0.0f, true);
  const nlohmann::json j = PersonToJson(*cook);
  EXPECT_TRUE(j["keys"].is_null());
  EXPECT_EQ(j["queue"], nlohmann::json::array({nlohmann::json::array({PA_STEP_RIGHT, 1.5, 0.0})}));
  EXPECT_EQ(j["name"], "Максим (Ножи)");
  EXPECT_EQ(j["bag"][0]["name"], "Кухонный нож");

  Feed({0});
  Person* zombie = Keep(new Person(105));
  zombie->targetable = 1;
  const nlohmann::json z = PersonToJson(*zombie);
  EXPECT_EQ(z["targetable"], true);
  EXPECT_FALSE(z.contains("bag") || z.contains("name") || z.contains("life"));
}

}  // namespace
