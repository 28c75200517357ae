// Checks of the test fake itself: the behaviour other test suites lean on.
#include "support/fake_engine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine_helpers/temp_dir.h"

TEST(FakeEngine, CreateHandsOutTheInstalledFakeAndCountsReferences) {
  FakeEngine fake;
  hgeInstall(&fake);
  HGE* a = hgeCreate(HGE_VERSION);
  HGE* b = hgeCreate(HGE_VERSION);
  EXPECT_EQ(a, &fake);
  EXPECT_EQ(b, &fake);
  EXPECT_EQ(fake.refs, 2);
  a->Release();
  b->Release();
  EXPECT_EQ(fake.refs, 0);
  EXPECT_EQ(hgeCreate(0x170), nullptr);
}

TEST(FakeEngine, TextureLoadReadsPngSizeOrFailsWithOneByOne) {
  TempDir dir;
  std::string path = dir.Write("a.png", PngHeader(300, 20));
  FakeEngine fake;
  HTEXTURE t1 = fake.Texture_Load(path.c_str());
  HTEXTURE t2 = fake.Texture_Load(path.c_str());
  EXPECT_NE(t1, t2);
  EXPECT_EQ(fake.Texture_GetWidth(t1), 300);
  EXPECT_EQ(fake.Texture_GetHeight(t2, true), 20);
  EXPECT_TRUE(fake.failedTextures.empty());

  HTEXTURE missing = fake.Texture_Load("no/such.png");
  EXPECT_NE(missing, 0u);
  EXPECT_EQ(fake.Texture_GetWidth(missing), 1);
  ASSERT_EQ(fake.failedTextures.size(), 1u);
  EXPECT_EQ(fake.failedTextures[0], "no/such.png");

  fake.SetImageSize("Data/items.png", 512, 256);
  HTEXTURE set = fake.Texture_Load("Data/items.png");
  EXPECT_EQ(fake.Texture_GetWidth(set), 512);
  EXPECT_EQ(fake.failedTextures.size(), 1u);

  fake.SetTextureSize(77, 128, 64, 100, 50);
  EXPECT_EQ(fake.Texture_GetWidth(77), 128);
  EXPECT_EQ(fake.Texture_GetWidth(77, true), 100);
  EXPECT_GT(fake.Texture_Load("x.png"), 77u);  // new handles never collide with set ones
}

TEST(FakeEngine, IniUsesDefaultsAndLeadingNumbers) {
  FakeEngine fake;
  fake.SetIni("Maps", "Scrolling_Speed", "250.5 px");
  fake.SetIni("start", "LOGO", "-1");
  fake.SetIni("start", "BAD", "abc");
  fake.SetIni("start", "EMPTY", "");
  EXPECT_FLOAT_EQ(fake.Ini_GetFloat("maps", "SCROLLING_SPEED", 1.0f), 250.5f);
  EXPECT_EQ(fake.Ini_GetInt("START", "logo", 1), -1);
  EXPECT_EQ(fake.Ini_GetInt("start", "BAD", 1), 0);
  EXPECT_EQ(fake.Ini_GetInt("start", "EMPTY", 7), 7);
  EXPECT_FLOAT_EQ(fake.Ini_GetFloat("start", "ABSENT", 1.0f), 1.0f);
}

TEST(FakeEngine, InputFlagsLastOneFrame) {
  FakeEngine fake;
  fake.Press(HGEK_LBUTTON);
  fake.wheel = 2;
  EXPECT_TRUE(fake.Input_KeyDown(HGEK_LBUTTON));
  EXPECT_TRUE(fake.Input_GetKeyState(HGEK_LBUTTON));
  fake.NextFrame();
  EXPECT_FALSE(fake.Input_KeyDown(HGEK_LBUTTON));
  EXPECT_TRUE(fake.Input_GetKeyState(HGEK_LBUTTON));
  EXPECT_EQ(fake.Input_GetMouseWheel(), 0);
  fake.Lift(HGEK_LBUTTON);
  EXPECT_TRUE(fake.Input_KeyUp(HGEK_LBUTTON));
  EXPECT_FALSE(fake.Input_GetKeyState(HGEK_LBUTTON));
}

TEST(FakeEngine, RecordsResourcesLogScenesAndRandomQueue) {
  FakeEngine fake;
  fake.SetFile("virtual.txt", "abc");
  uint32_t size = 99;
  void* data = fake.Resource_Load("virtual.txt", &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(fake.openResources, 1);
  fake.Resource_Free(data);
  EXPECT_EQ(fake.openResources, 0);
  EXPECT_EQ(fake.Resource_Load("no/such/file", &size), nullptr);
  EXPECT_EQ(size, 0u);

  fake.System_Log("Font %s has %d", "f.fnt", 3);
  ASSERT_EQ(fake.log.size(), 1u);
  EXPECT_EQ(fake.log[0], "Font f.fnt has 3");

  hgeQuad q{};
  q.tex = 5;
  fake.Gfx_BeginScene();
  fake.Gfx_RenderQuad(&q);
  fake.Gfx_RenderQuad(&q);
  fake.Gfx_EndScene();
  EXPECT_EQ(fake.Gfx_GetRecordedQuads().size(), 2u);
  EXPECT_EQ(fake.Gfx_GetDrawCalls(), 1);

  fake.QueueRandomInts({4, 9});
  EXPECT_EQ(fake.Random_Int(0, 10), 4);
  EXPECT_EQ(fake.Random_Int(0, 10), 9);
  fake.Random_Seed(3);
  int first = fake.Random_Int(1, 6);
  fake.Random_Seed(3);
  EXPECT_EQ(fake.Random_Int(1, 6), first);
  EXPECT_GE(first, 1);
  EXPECT_LE(first, 6);
}
