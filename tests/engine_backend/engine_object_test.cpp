// The engine object: references, INI reading, the log, files, random numbers, error boxes and effects.
#include <climits>
#include <set>

#include "backend_fixture.h"
#include "engine/text.h"

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
  EXPECT_EQ(HeadlessEngine(), second);  // still alive
  second->System_SetState(HGE_FPS, 100);
  second->Release();
  EXPECT_EQ(HeadlessEngine(), nullptr);
  HGE* fresh = hgeCreate(HGE_VERSION);  // a new object, not the destroyed one's state
  EXPECT_EQ(fresh->System_GetState(HGE_FPS), HGEFPS_UNLIMITED);
  fresh->Release();
  hgeConfigure(hgeRunOptions());
}

using Ini = HeadlessTest;

TEST_F(Ini, WindowsProfileSemantics) {
  const std::string path = ScratchPath("semantics.ini");
  WriteText(path,
            "; a comment line\n"
            "[Start]\n"
            "Logo = 7 ; a trailing comment\n"
            "speed=2.5x\n"
            "neg=-3\n"
            "big=99999999999\n"
            "hex=0x10\n"
            "text=abc\n"
            "empty=\n"
            "Dup=1\n"
            "dup=2\n"
            "[ Other ]\n"
            "logo=9\n");
  Start();
  engine->System_SetState(HGE_INIFILE, path.c_str());
  EXPECT_EQ(engine->Ini_GetInt("start", "LOGO", 1), 7);
  EXPECT_EQ(engine->Ini_GetInt("START", "logo", 1), 7);
  EXPECT_EQ(engine->Ini_GetInt("other", "Logo", 1), 9);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("Start", "Speed", 1.0f), 2.5f);
  EXPECT_EQ(engine->Ini_GetInt("Start", "speed", 1), 2);
  EXPECT_EQ(engine->Ini_GetInt("Start", "neg", 1), -3);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("Start", "neg", 1.0f), -3.0f);
  EXPECT_EQ(engine->Ini_GetInt("Start", "big", 1), INT_MAX);
  EXPECT_EQ(engine->Ini_GetInt("Start", "hex", 1), 0);
  EXPECT_EQ(engine->Ini_GetInt("Start", "text", 1), 0);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("Start", "text", 1.0f), 0.0f);
  EXPECT_EQ(engine->Ini_GetInt("Start", "empty", 5), 0);  // present, so not the default
  EXPECT_EQ(engine->Ini_GetInt("Start", "dup", 5), 1);    // the first occurrence wins
  EXPECT_EQ(engine->Ini_GetInt("Start", "absent", 42), 42);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("Nowhere", "logo", 1.5f), 1.5f);
  EXPECT_EQ(engine->Ini_GetInt("Start", "a comment line", 4), 4);
}

namespace {
bool IdleFrame() {
  return false;
}
}  // namespace

TEST_F(Ini, MissingFileGivesDefaultsAndEditsBetweenLoadsAreSeen) {
  const std::string path = ScratchPath("edited.ini");
  std::remove(path.c_str());
  Start();
  engine->System_SetState(HGE_FRAMEFUNC, IdleFrame);
  engine->System_SetState(HGE_INIFILE, path.c_str());
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 3);
  EXPECT_FLOAT_EQ(engine->Ini_GetFloat("s", "k", 0.5f), 0.5f);
  WriteText(path, "[s]\nk=4\n");  // the file appears
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 4);
  WriteText(path, "[s]\nk=15\n");  // a longer file, in the same frame
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 15);
  HeadlessRunFrames(1);
  WriteText(path, "[s]\nk=16\n");  // same size, next frame
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 16);
  WriteText(path, "[s]\nk=17\n");  // same size, same frame, quite possibly the same time stamp
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 17);
  std::remove(path.c_str());
  HeadlessRunFrames(1);
  EXPECT_EQ(engine->Ini_GetInt("s", "k", 3), 3);
}

using Services = HeadlessTest;

TEST_F(Services, LogLinesAreFormattedWhole) {
  const std::string path = ScratchPath("engine.log");
  WriteText(path, "left over from an earlier run\n");
  Start();
  engine->System_SetState(HGE_LOGFILE, path.c_str());
  ASSERT_TRUE(engine->System_Initiate());
  engine->System_Log("Font %s has incorrect format.", "Data/font.fnt");
  const std::string longText(5000, 'x');
  engine->System_Log("%s|%d", longText.c_str(), 12);
  engine->System_Log("%s", ToCp1251("Ошибка").c_str());
  engine->System_Shutdown();
  EXPECT_EQ(ReadText(path), "Font Data/font.fnt has incorrect format.\n" + longText + "|12\n" + "Ошибка\n");
}

TEST_F(Services, ResourcesLoadWholeFilesOrNothing) {
  const std::string path = ScratchPath("resource.bin");
  const std::string content("ab\0cd", 5);
  WriteText(path, content);
  Start();
  uint32_t size = 99;
  void* data = engine->Resource_Load(path.c_str(), &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 5u);
  EXPECT_EQ(std::string(static_cast<char*>(data), size), content);
  engine->Resource_Free(data);
  size = 99;
  EXPECT_EQ(engine->Resource_Load(ScratchPath("absent.bin").c_str(), &size), nullptr);
  EXPECT_EQ(size, 0u);
}

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
    const float f = engine->Random_Float(2.0f, 3.0f);
    EXPECT_TRUE(f >= 2.0f && f < 3.0f);
  }
}

TEST_F(Services, ErrorBoxesAreRecordedAndPrintedInUtf8) {
  Start();
  const std::string text = ToCp1251("Неизвестно действие Person::analyz");
  testing::internal::CaptureStderr();
  engine->System_ErrorBox(text.c_str());
  engine->System_ErrorBox("second");
  const std::string printed = testing::internal::GetCapturedStderr();
  EXPECT_EQ(printed, "Error: Неизвестно действие Person::analyz\nError: second\n");
  EXPECT_EQ(engine->System_ErrorBoxes(), (std::vector<std::string>{text, "second"}));
}

TEST_F(Services, EffectsAreCountedPerHandle) {
  const std::string sound = ScratchPath("click.wav");
  WriteText(sound, "RIFF");
  Start();
  const HEFFECT found = engine->Effect_Load(sound.c_str(), 0);
  const HEFFECT missing = engine->Effect_Load("Sound/none.mp3", 0);
  ASSERT_NE(found, 0u);
  ASSERT_NE(missing, 0u);
  EXPECT_NE(found, missing);
  engine->Effect_Play(found);
  engine->Effect_PlayEx(found, 40, 0, 1.0f, true);
  engine->Effect_Play(missing);  // silent, but harmless and counted
  engine->Effect_Free(found);
  engine->Effect_Play(found);  // after the free: not a play
  const HeadlessEffectRecord record = HeadlessEffect(found);
  EXPECT_EQ(record.file, sound);
  EXPECT_TRUE(record.found);
  EXPECT_EQ(record.plays, 2);
  EXPECT_EQ(record.loopedPlays, 1);
  EXPECT_EQ(record.lastVolume, 40);
  EXPECT_EQ(record.frees, 1);
  EXPECT_FALSE(HeadlessEffect(missing).found);
  EXPECT_EQ(HeadlessEffect(missing).plays, 1);
  EXPECT_EQ(HeadlessEffects().size(), 2u);
}
