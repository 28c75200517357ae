// Shared set-up of the screen and play tests: one fake engine, a test layout, small maps, figures.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_frame.h"
#include "app/game_start.h"
#include "app/inventory.h"
#include "app/play.h"
#include "app/screens.h"
#include "app/selection.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/font.h"
#include "engine/gui.h"
#include "engine/sprite.h"
#include "engine/strip.h"
#include "engine/text.h"
#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"
#include "support/fake_engine.h"
#include "ui/game_screen.h"
#include "ui/help_overlay.h"
#include "ui/hud_list.h"
#include "ui/passport.h"
#include "ui/resources.h"
#include "ui/smart_gui.h"
#include "ui/team_screen.h"

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
  // Replaces the game map with one read from `text` (written to a scratch file of this process).
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
  // One game frame only, then the next frame of input; true when it asks to stop.
  static bool Frame();
  // One game frame with keyboard key `key` going down in it, as the engine reports a key press.
  static bool KeyFrame(int key);
  // A left click at (x, y): the button goes down in one frame and up in the next.
  static void Click(float x, float y);
  static int Cell(int x, int y) { return gameMap->CellIndex(x, y); }
  // Windows-1251 from a UTF-8 literal.
  static std::string W(const char* utf8) { return ToCp1251(utf8); }

  FakeEngine& fake = Fake();
};
