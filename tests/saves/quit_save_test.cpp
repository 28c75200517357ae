// Closing the window keeps a game in play: the engine's exit callback saves it, and only a game in play.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/save_paths.h"
#include "app/screens.h"
#include "app/shell.h"
#include "engine/hge.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "session_support.h"
#include "support/fake_engine.h"

namespace fs = std::filesystem;

namespace {

TEST(SaveOnClose, ClosingTheWindowSavesAGameInPlayAndNothingElse) {
  FakeEngine fake;
  hgeInstall(&fake);
  ConfigureEngine();
  ASSERT_EQ(hge, &fake);
  auto map = std::make_unique<Map>("Data/map1.dhm");
  SetGameMap(map.get());
  Person member(HTEXTURE{0}, 0, 0, 0, 0);
  team = {&member};
  const std::string dir = ScratchFolder("save");
  SetSaveDir(dir);
  const hgeCallback exitRequested = fake.System_GetState(HGE_EXITFUNC);
  ASSERT_NE(exitRequested, nullptr);

  InstallScreen(Screen::Menu, nullptr, nullptr);
  EXPECT_TRUE(exitRequested());
  EXPECT_FALSE(SaveExists()) << "nothing to keep on the menu";
  InstallScreen(Screen::Game, nullptr, nullptr);
  outcome = OUTCOME_WON;
  EXPECT_TRUE(exitRequested());
  EXPECT_FALSE(SaveExists()) << "a decided game is not kept";
  outcome = OUTCOME_NONE;
  EXPECT_TRUE(exitRequested());
  EXPECT_TRUE(SaveExists());
  EXPECT_TRUE(fs::is_regular_file(dir + "/save.json"));

  SetSaveDir("");
  team.clear();
  SetGameMap(nullptr);
  map.reset();
  currentScreen = Screen::None;
  hge = nullptr;
}

}  // namespace
