// The input script parser: key names and codes, comments, frame times, ordering and bad lines.
#include "engine/core/input_script.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/hge.h"

// Guards key names in any case, single digits as digit keys, longer numbers as codes (decimal or hex), and
// events parsed in frame order and written back exactly.
TEST(InputScript, KeyNamesAndEventsReadAndWrittenBack) {
  const struct {
    const char* name;
    int code;
  } keys[] = {{"rbutton", HGEK_RBUTTON}, {"Enter", HGEK_ENTER}, {"f12", HGEK_F11 + 1}, {"1", HGEK_1},
              {"27", HGEK_ESCAPE},       {"0x1B", HGEK_ESCAPE}, {"01", HGEK_LBUTTON}};
  for (const auto& key : keys) EXPECT_EQ(KeyCodeFromText(key.name), key.code) << key.name;
  for (const char* bad : {"", "F13", "0x100", "256", "00", "ESCAPEX", "Ж"})
    EXPECT_EQ(KeyCodeFromText(bad), 0) << bad;

  // Parsing order, comments, CR line ends and names in any case, and writing events back exactly.
  const InputScript script = ParseInputScript(
      "# a whole-line comment\n\n3 down escape   # trailing comment\r\n3 up f2\n1 mouse 10 -20.5\n1 DOWN A\n"
      "1 up 0x41\n2 dt 0.25\n2 wheel -2\n2 down 0xBA\n");
  EXPECT_TRUE(script.errors.empty());
  std::string written;
  for (const InputEvent& e : script.events) written += FormatInputEvent(e) + "\n";
  // Lines of one frame keep their order; a key without a name goes out as a code.
  EXPECT_EQ(
      written,
      "1 mouse 10 -20.5\n1 down A\n1 up A\n2 dt 0.25\n2 wheel -2\n2 down 0xBA\n3 down ESCAPE\n3 up F2\n");
  const InputEvent tick{4, InputEvent::Delta, 0, 1.0f / 60, 0};  // read back to the very same float
  const InputScript back = ParseInputScript(FormatInputEvent(tick));
  ASSERT_EQ(back.events.size(), 1u);
  EXPECT_EQ(back.events[0].x, tick.x);
}

// Guards bad lines: each one skipped and reported by its line number, the good ones around it kept.
TEST(InputScript, BadLinesAreSkippedWithTheirLineNumbers) {
  const InputScript script = ParseInputScript(
      "1 down A\n"
      "0 down A\n"          // frames count from 1
      "x down A\n"          // no frame number
      "2 press A\n"         // unknown command
      "2 down NOSUCHKEY\n"  // unknown key
      "2 down A B\n"        // one key too many
      "2 mouse nan 5\n"     // not a finite number
      "2 dt -0.1\n"         // negative frame time
      "99999999999 up A\n"  // frame out of range
      "3\n"                 // no command
      "4 up A\n");
  ASSERT_EQ(script.events.size(), 2u);
  EXPECT_EQ(script.events[0].frame, 1);
  EXPECT_EQ(script.events[1].frame, 4);
  ASSERT_EQ(script.errors.size(), 9u);
  EXPECT_EQ(script.errors.front().rfind("line 2:", 0), 0u) << script.errors.front();
  EXPECT_EQ(script.errors.back().rfind("line 10:", 0), 0u) << script.errors.back();
}
