// The engine object: references, INI reading, the log, files, random numbers and error boxes.
#include <climits>
#include <set>

#include "backend_fixture.h"
#include "engine/text.h"

// Guards the shared engine object: one object for both creates, destroyed by the last release only.
TEST(EngineObject, TwoCreatesAndTwoReleasesDestroyOnce) {
  hgeRunOptions options;
  options.backend = hgeBackend::Headless;
  hgeConfigure(options);
  EXPECT_EQ(hgeCreate(0x170), nullptr);
  HGE* first = hgeCreate(HGE_VERSION);
  HGE* second = hgeCreate(HGE_VERSION);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  first->Release();
  EXPECT_EQ(HeadlessEngine(), second);
  second->System_SetState(HGE_FPS, 100);
  second->Release();
  EXPECT_EQ(HeadlessEngine(), nullptr);
  HGE* fresh = hgeCreate(HGE_VERSION);  // a new object, not the destroyed one's state
  EXPECT_EQ(fresh->System_GetState(HGE_FPS), HGEFPS_UNLIMITED);
  fresh->Release();
  hgeConfigure(hgeRunOptions());
}

using Services = EngineTest;

// Guards INI reading: case-blind names, comments, numbers read as far as they go, clamps, first key wins,
// and an edit between reads seen.
TEST_F(Services, IniFollowsWindowsProfileRulesAndSeesEdits) {
  const std::string first = Write("semantics.ini",
                                  "; a comment line\n[Start]\nLogo = 7 ; a trailing comment\nspeed=2.5x\n"
                                  "neg=-3\nbig=99999999999\nsmall=-99999999999\nhex=0x10\ntext=abc\nempty=\n"
                                  "Dup=1\ndup=2\n[ Other ]\nlogo=9\n");
  Start();
  engine->System_SetState(HGE_INIFILE, first.c_str());
  const struct {
    const char *section, *key;
    int expected;
  } ints[] = {
      {"start", "LOGO", 7}, {"other", "Logo", 9},      {"Start", "speed", 2},
      {"Start", "neg", -3}, {"Start", "big", INT_MAX}, {"Start", "small", INT_MIN},
      {"Start", "hex", 0},  {"Start", "text", 0},      {"Start", "empty", 0},  // present: not the default
      {"Start", "dup", 1},  {"Start", "absent", 42},   {"Start", "a comment line", 42}};
  for (const auto& row : ints)
    EXPECT_EQ(engine->Ini_GetInt(row.section, row.key, 42), row.expected) << row.key;

  // The cache: a file that appears is read, and so is one changed at the same size in the same frame.
  const std::string path = File("edited.ini");
  engine->System_SetState(HGE_INIFILE, path.c_str());
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 3);
  Write("edited.ini", "[s]\nk=16\n");
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 16);
  Write("edited.ini", "[s]\nk=17\n");  // quite possibly the same time stamp
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 17);
}

// Guards the log (replaced per run, long lines whole, text converted), whole-file resource reads, and error
// boxes (each printed in UTF-8 and recorded in its own encoding, in order).
TEST_F(Services, LogResourcesAndErrorBoxes) {
  const std::string log = Write("engine.log", "left over from an earlier run\n");
  const std::string content("ab\0cd", 5);
  const std::string resource = Write("resource.bin", content);
  Start();
  engine->System_SetState(HGE_LOGFILE, log.c_str());
  ASSERT_TRUE(engine->System_Initiate());
  engine->System_Log("Font %s has incorrect format.", "Data/font.fnt");
  const std::string longText(5000, 'x');
  engine->System_Log("%s|%d", longText.c_str(), 12);
  engine->System_Log("%s", ToCp1251("Ошибка").c_str());
  engine->System_Shutdown();
  EXPECT_EQ(ReadText(log), "Font Data/font.fnt has incorrect format.\n" + longText + "|12\nОшибка\n");

  uint32_t size = 99;
  void* data = engine->Resource_Load(resource.c_str(), &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(static_cast<char*>(data), size), content);
  engine->Resource_Free(data);
  EXPECT_EQ(engine->Resource_Load(File("absent.bin").c_str(), &size), nullptr);
  EXPECT_EQ(size, 0u);

  const std::string box = ToCp1251("Неизвестно действие Person::analyz");
  testing::internal::CaptureStderr();
  engine->System_ErrorBox(box.c_str());
  engine->System_ErrorBox("second");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error: Неизвестно действие Person::analyz\nError: second\n");
  EXPECT_EQ(engine->System_ErrorBoxes(), (std::vector<std::string>{box, "second"}));
}

// Guards random numbers: inclusive bounds, reversed bounds, the whole int range, repeatable per seed.
TEST_F(Services, RandomNumbersAreInclusiveAndRepeatForASeed) {
  hgeRunOptions options;
  options.seeded = true;
  options.seed = 77;
  Start(options);
  std::vector<int> first, second;
  engine->Random_Seed(0);  // seeded run: seed 0 means the given seed
  for (int i = 0; i < 50; ++i) first.push_back(engine->Random_Int(0, 1000));
  engine->Random_Seed(77);
  for (int i = 0; i < 50; ++i) second.push_back(engine->Random_Int(0, 1000));
  EXPECT_EQ(first, second);
  std::set<int> values;
  for (int i = 0; i < 300; ++i) values.insert(engine->Random_Int(1, 3));
  EXPECT_EQ(values, (std::set<int>{1, 2, 3}));
  EXPECT_EQ(engine->Random_Int(5, 5), 5);
  for (int i = 0; i < 20; ++i) {
    const int reversed = engine->Random_Int(9, 7);
    EXPECT_TRUE(reversed >= 7 && reversed <= 9);
    engine->Random_Int(INT_MIN, INT_MAX);  // the whole range: no overflow
  }
}
