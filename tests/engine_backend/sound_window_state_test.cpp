// What the headless engine records of sound and window for the options: each play's volume and channel,
// later volume changes, the window's scale (from the run options, clamped) and the largest scale.
#include <gtest/gtest.h>

#include "engine/headless/headless.h"

TEST(HeadlessRecords, EveryPlayGetsItsOwnChannelAndLaterVolumesStick) {
  HGE* engine = HeadlessCreate();
  const HEFFECT clock = engine->Effect_Load("Sound/clock.mp3", 0);
  const HEFFECT click = engine->Effect_Load("Sound/click.mp3", 0);
  const HCHANNEL looped = engine->Effect_PlayEx(clock, 40, 0, 1.0f, true);
  const HCHANNEL once = engine->Effect_Play(click);
  const HCHANNEL loud = engine->Effect_PlayEx(click, 250);
  EXPECT_NE(looped, once);
  EXPECT_NE(looped, 0u);
  const std::vector<HeadlessSound> played = HeadlessPlayedSounds();
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0].effect, clock);
  EXPECT_TRUE(played[0].loop);
  EXPECT_EQ(played[0].volume, 40);
  EXPECT_EQ(played[1].volume, 100);
  EXPECT_FALSE(played[1].loop);
  EXPECT_EQ(played[2].volume, 100);  // clamped
  engine->Channel_SetVolume(looped, 0);
  EXPECT_EQ(HeadlessChannelVolume(looped), 0);
  EXPECT_EQ(HeadlessChannelVolume(once), 100);
  engine->Channel_SetVolume(loud, -3);
  EXPECT_EQ(HeadlessChannelVolume(loud), 0);
  engine->Channel_SetVolume(99, 50);  // a channel never handed out changes nothing
  EXPECT_EQ(HeadlessChannelVolume(99), -1);
  engine->Release();
  EXPECT_TRUE(HeadlessPlayedSounds().empty());
}

TEST(HeadlessRecords, TheScaleStartsFromTheRunOptionsAndStaysWithinRange) {
  hgeRunOptions options;
  options.scale = 3;
  HGE* engine = HeadlessCreate(options);
  EXPECT_EQ(engine->System_GetState(HGE_SCALE), 3);
  EXPECT_EQ(engine->System_GetState(HGE_MAXSCALE), 2);  // a fixed answer without a display
  engine->System_SetState(HGE_SCALE, 1);
  EXPECT_EQ(engine->System_GetState(HGE_SCALE), 1);
  engine->System_SetState(HGE_SCALE, 1000);
  EXPECT_EQ(engine->System_GetState(HGE_SCALE), 16);
  engine->System_SetState(HGE_SCALE, -1);
  EXPECT_EQ(engine->System_GetState(HGE_SCALE), 0);
  engine->System_SetState(HGE_MAXSCALE, 7);  // read only
  EXPECT_EQ(engine->System_GetState(HGE_MAXSCALE), 2);
  engine->Release();
}
