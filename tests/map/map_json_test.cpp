// The map's part of the state dump: the field names and values the harness reads.
#include "map/map_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "map_fixture.h"

namespace {

TEST_F(MapTest, DumpHoldsTheMapFieldsUnderTheirHarnessNames) {
  Map& m = Load("3 2 16 24 2 1 2 0 1 1 1 0 (((,,( (((((( (((((( '''''' ''''''");
  m.searchThreshold = 5;
  m.searchesMade = 2;
  m.scrollX = 12.5f;
  m.cursorX = 1;
  m.cursorY = 0;
  const nlohmann::json j = MapToJson(m);
  EXPECT_EQ(j["W"], 3);
  EXPECT_EQ(j["CH"], 24);
  EXPECT_EQ(j["escape"], nlohmann::json({2, 1}));
  EXPECT_EQ(j["searchThreshold"], 5);
  EXPECT_EQ(j["searchesMade"], 2);
  EXPECT_EQ(j["escapeKeyFound"], false);
  EXPECT_EQ(j["scroll"], nlohmann::json({12.5, 0.0}));
  EXPECT_EQ(j["cursor"], nlohmann::json({1, 0}));
  EXPECT_EQ(j["searchSpots"], nlohmann::json({{0, 1}, {1, 1}}));
  EXPECT_EQ(j["spriteCount"], 0);
  EXPECT_TRUE(j.contains("zombieCount"));
}

}  // namespace
