// The settings reader: Windows profile rules line by line, through the engine and on raw text.
#include <string>

#include "backend_fixture.h"
#include "engine/core/ini_file.h"

namespace {

using IniReading = EngineTest;

// Guards the line rules through the engine: an indented key is a key of its own (never the continuation
// of the line above), comments are not keys, names are case-blind, CRLF lines, quotes and a mark before
// the first line are read as Windows reads them.
TEST_F(IniReading, EveryLineIsReadOnItsOwnWhateverItsIndentation) {
  const std::string path = Write("dh.ini",
                                 "\xEF\xBB\xBF[start]\r\n"
                                 "LOGO = 1\r\n"
                                 "    LOGO_TIMER_ADD = 0\r\n"
                                 "\tLOGO_TIMER_WAIT=2.5\r\n"
                                 "; LOGO_TIMER_REMOVE = 9\r\n"
                                 "   ; MENU_EXIT_BUT_W = 9\r\n"
                                 "MENU_EXIT_BUT_H = 60 ; the height\r\n"
                                 "Menu_NewGame_But_X = \"12\"\r\n"
                                 "[Maps]\r\n"
                                 "  SCROLLING_SPEED =   450.5   \r\n");
  Start();
  engine->System_SetState(HGE_INIFILE, path.c_str());
  EXPECT_EQ(engine->Ini_GetInt("START", "logo", 5), 1);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("start", "LOGO_TIMER_ADD", 1.0f), 0.0f);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("start", "LOGO_TIMER_WAIT", 1.0f), 2.5f);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("start", "LOGO_TIMER_REMOVE", 1.0f), 1.0f);
  EXPECT_EQ(engine->Ini_GetInt("start", "MENU_EXIT_BUT_W", 1), 1);
  EXPECT_EQ(engine->Ini_GetInt("start", "MENU_EXIT_BUT_H", 1), 60);
  EXPECT_EQ(engine->Ini_GetInt("start", "MENU_NEWGAME_BUT_X", 1), 12);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("maps", "scrolling_speed", 1.0f), 450.5f);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("start", "SCROLLING_SPEED", 1.0f), 1.0f) << "keys belong to a section";
}

// Guards the file's absence and damage: a missing file gives every default, and binary bytes, very long
// lines and broken section lines neither stop the reading nor hide the keys after them.
TEST_F(IniReading, MissingAndDamagedFilesGiveDefaultsAndKeepTheGoodLines) {
  Start();
  engine->System_SetState(HGE_INIFILE, File("absent.ini").c_str());
  EXPECT_EQ(engine->Ini_GetInt("start", "LOGO", 42), 42);

  std::string garbage("[start]\n\x01\x02\xFF\xFE=\x00\x7F\n", 16);
  garbage += std::string(100000, 'x') + "\n";                    // a line far longer than any buffer
  garbage += std::string(5000, ' ') + "LOGO = 3\n";              // a long indentation before a key
  garbage += "[broken\n= 4\n==\n" + std::string(3, '\0') + "\n";
  garbage += "[maps\nBORDER_LEFT = 7\n";                          // the broken header keeps [start]
  const std::string path = Write("garbage.ini", garbage);
  engine->System_SetState(HGE_INIFILE, path.c_str());
  EXPECT_EQ(engine->Ini_GetInt("start", "LOGO", 42), 3);
  EXPECT_EQ(engine->Ini_GetInt("start", "BORDER_LEFT", 42), 7);
  EXPECT_EQ(engine->Ini_GetInt("maps", "BORDER_LEFT", 42), 42);
  EXPECT_EQ(engine->Ini_GetInt("", "", 42), 42) << "a line with no key is no entry";

  std::remove(path.c_str());  // a file that goes away gives the defaults again
  EXPECT_EQ(engine->Ini_GetInt("start", "LOGO", 42), 42);
}

// Guards the raw entries: file order, sections as written, values cut only at a `;` after a blank, and the
// first bad line's number.
TEST(IniText, EntriesInFileOrderAndTheFirstBadLine) {
  int bad = -1;
  const auto entries = ParseIniText("top = 1\n[ A ]\nk=a;b\nk = c ;d\nno key here\n[a]\nk=2\nnew=3\n", &bad);
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].section, "");
  EXPECT_EQ(entries[0].value, "1");
  EXPECT_EQ(entries[1].section, "A");
  EXPECT_EQ(entries[1].value, "a;b");
  EXPECT_EQ(entries[2].value, "c");
  EXPECT_EQ(entries[4].key, "new");
  EXPECT_EQ(bad, 5);
  ParseIniText("[s]\nk=1\n", &bad);
  EXPECT_EQ(bad, 0);
}

// Guards duplicates as Windows reads them: the first value of a key wins, and a section written twice adds
// its new keys to the first.
TEST_F(IniReading, TheFirstValueOfAKeyWinsAndARepeatedSectionAddsKeys) {
  const std::string path = Write("dup.ini", "[a]\nk=1\nK=2\n[b]\nk=5\n[A]\nk=3\nnew=4\n");
  Start();
  engine->System_SetState(HGE_INIFILE, path.c_str());
  EXPECT_EQ(engine->Ini_GetInt("a", "k", 0), 1);
  EXPECT_EQ(engine->Ini_GetInt("a", "new", 0), 4);
  EXPECT_EQ(engine->Ini_GetInt("b", "k", 0), 5);
}

}  // namespace
