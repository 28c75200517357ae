// Shared set-up of the screen tests: one fake engine, a test layout in the settings, small maps, members.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/fake_engine.h"

class Item;
class Person;

// The map file text for a w x h grid: floor codes given as digits ('0'..'4'), everything else open.
std::string TestMapFile(int w, int h, const std::string& floor, int spots = 0);

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The one fake engine of the test program (the sound table and the interface keep the first one).
  static FakeEngine& Fake();
  // Sets one setting in the fake's ini (its section found in the settings table) and reloads them all.
  static void SetSetting(const std::string& key, const std::string& value);
  // Replaces the game map with one read from `text`.
  static void UseMap(const std::string& text);
  // A living team member without skills or items, standing and drawn at (x, y) of the map.
  static Person* AddMember(int x, int y);
  // A zombie standing and drawn at (x, y).
  static Person* AddZombie(int x, int y);
  // Feeds the raw numbers RandomInt / RandomFloat draw next; the runtime generator follows when they end.
  static void Feed(std::initializer_list<int> numbers);
  // Runs the installed frame callback, then (unless it asked to stop) the render callback, then starts the
  // next frame of input; true when the frame callback asked to stop.
  static bool RunFrame();
  // A left click at (x, y): the button goes down in one frame and up in the next.
  static void Click(float x, float y);
  // Windows-1251 from a UTF-8 literal.
  static std::string W(const char* utf8);

  FakeEngine& fake = Fake();
};
