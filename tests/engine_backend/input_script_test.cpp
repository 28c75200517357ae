// The input script parser: key names and codes, comments, frame times, ordering and bad lines.
#include "engine/core/input_script.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine/hge.h"

TEST(InputScript, KeyNamesAndCodes) {
  // Names in any case; a single digit names the digit key; longer numbers are codes, decimal or hex.
  const std::pair<const char*, int> good[] = {
      {"LBUTTON", HGEK_LBUTTON}, {"rbutton", HGEK_RBUTTON}, {"Enter", HGEK_ENTER}, {"SPACE", HGEK_SPACE},
      {"DOWN", HGEK_DOWN},       {"w", HGEK_W},             {"F4", HGEK_F4},       {"f12", 0x7B},
      {"1", HGEK_1},             {"0", HGEK_0},             {"27", HGEK_ESCAPE},   {"0x1B", HGEK_ESCAPE},
      {"0x0d", HGEK_ENTER},      {"01", HGEK_LBUTTON}};
  for (const auto& [text, code] : good) EXPECT_EQ(KeyCodeFromText(text), code) << text;
  for (const char* bad : {"", "F0", "F13", "F01", "0x100", "256", "-5", "0x", "00", "ESCAPEX", "1a", "Ж"}) {
    EXPECT_EQ(KeyCodeFromText(bad), 0) << bad;
  }
}

TEST(InputScript, ParsesEventsCommentsAndFrameTimes) {
  const InputScript script = ParseInputScript(
      "# a whole-line comment\n"
      "\n"
      "3 down escape   # trailing comment\r\n"
      "1 mouse 10 20.5\n"
      "1 DOWN A\n"
      "1 up 0x41\n"
      "2 dt 0.25\n"
      "2 wheel -2\n");
  EXPECT_TRUE(script.errors.empty());
  ASSERT_EQ(script.events.size(), 6u);
  // Ordered by frame; lines of one frame keep their order.
  EXPECT_EQ(script.events[0].frame, 1);
  EXPECT_EQ(script.events[0].kind, InputEvent::Mouse);
  EXPECT_FLOAT_EQ(script.events[0].x, 10.0f);
  EXPECT_FLOAT_EQ(script.events[0].y, 20.5f);
  EXPECT_EQ(script.events[1].kind, InputEvent::Down);
  EXPECT_EQ(script.events[1].key, HGEK_A);
  EXPECT_EQ(script.events[2].kind, InputEvent::Up);
  EXPECT_EQ(script.events[2].key, HGEK_A);
  EXPECT_EQ(script.events[3].kind, InputEvent::Delta);
  EXPECT_FLOAT_EQ(script.events[3].x, 0.25f);
  EXPECT_EQ(script.events[4].kind, InputEvent::Wheel);
  EXPECT_EQ(script.events[4].key, -2);
  EXPECT_EQ(script.events[5].frame, 3);
  EXPECT_EQ(script.events[5].key, HGEK_ESCAPE);
}

TEST(InputScript, BadLinesAreSkippedWithTheirLineNumbers) {
  const InputScript script = ParseInputScript(
      "1 down A\n"
      "0 down A\n"          // frames count from 1
      "x down A\n"          // no frame number
      "2 press A\n"         // unknown command
      "2 down NOSUCHKEY\n"  // unknown key
      "2 down\n"            // missing key
      "2 down A B\n"        // one key too many
      "2 mouse 5\n"         // missing coordinate
      "2 mouse nan 5\n"     // not a finite number
      "2 dt -0.1\n"         // negative frame time
      "2 dt 1e999\n"        // overflows
      "99999999999 up A\n"  // frame out of range
      "3\n"                 // no command
      "4 up A\n");
  ASSERT_EQ(script.events.size(), 2u);
  EXPECT_EQ(script.events[0].frame, 1);
  EXPECT_EQ(script.events[1].frame, 4);
  ASSERT_EQ(script.errors.size(), 12u);
  EXPECT_EQ(script.errors.front().rfind("line 2:", 0), 0u) << script.errors.front();
  EXPECT_EQ(script.errors.back().rfind("line 13:", 0), 0u) << script.errors.back();
}

TEST(InputScript, WrittenEventsParseBackUnchanged) {
  std::vector<InputEvent> events(5);
  events[0] = {7, InputEvent::Mouse, 0, 123.25f, -4.0f};
  events[1] = {7, InputEvent::Down, HGEK_F2, 0, 0};
  events[2] = {7, InputEvent::Up, 0xBA, 0, 0};  // a key without a name goes out as a code
  events[3] = {8, InputEvent::Wheel, 3, 0, 0};
  events[4] = {8, InputEvent::Delta, 0, 0.016666668f, 0};
  std::string text;
  for (const InputEvent& e : events) text += FormatInputEvent(e) + "\n";
  const InputScript script = ParseInputScript(text);
  EXPECT_TRUE(script.errors.empty());
  ASSERT_EQ(script.events.size(), events.size());
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(script.events[i].frame, events[i].frame) << i;
    EXPECT_EQ(script.events[i].kind, events[i].kind) << i;
    EXPECT_EQ(script.events[i].key, events[i].key) << i;
    EXPECT_EQ(script.events[i].x, events[i].x) << i;
    EXPECT_EQ(script.events[i].y, events[i].y) << i;
  }
}
