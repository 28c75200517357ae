// The benchmark game: start-up in the program's order, the team picked by replayed clicks, full zombies.
#include "game_session.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/game_start.h"
#include "app/screens.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/core/engine_base.h"
#include "game/world.h"
#include "map/map.h"

namespace {

// Frame time of the scripted frames before the game starts.
constexpr float kScriptDelta = 0.01f;

// A left click at (x, y): the button goes down in `frame` and up in the next.
void Click(std::ostringstream& s, int frame, float x, float y) {
  s << frame << " mouse " << static_cast<int>(x) << " " << static_cast<int>(y) << "\n"
    << frame << " down LBUTTON\n"
    << frame + 1 << " up LBUTTON\n";
}

// From the menu's first frame: new game, four times add and take the first card, start; the mouse then
// rests in the middle of the map. Returns the script and sets *frames to the frame after the last event.
std::string PickFourScript(int* frames) {
  std::ostringstream s;
  const int show = static_cast<int>(std::ceil(PASS_T_SHOW_TWO / kScriptDelta)) + 5;
  const int fly = static_cast<int>(std::ceil(PASS_T_ADD_ONE / kScriptDelta)) + 5;
  const float addX = PASS_ADD_X + PASS_ADD_W / 2, addY = PASS_ADD_Y + PASS_ADD_H / 2;
  Click(s, 2, MENU_NEWGAME_BUT_POSX + MENU_NEWGAME_BUT_W / 2, MENU_NEWGAME_BUT_POSY + MENU_NEWGAME_BUT_H / 2);
  int f = 5;
  for (int pick = 0; pick < 4; ++pick) {
    Click(s, f, addX, addY);
    f += 1 + show;
    Click(s, f, PASS_MAN1_X + 20, PASS_MAN1_Y + 20);
    f += 1 + fly;
  }
  Click(s, f, PASS_START_X + PASS_START_W / 2, PASS_START_Y + PASS_START_H / 2);
  s << f + 2 << " mouse 400 300\n";
  *frames = f + 3;
  for (int frame = 1; frame < *frames; ++frame) s << frame << " dt " << kScriptDelta << "\n";
  return s.str();
}

EngineBase* Engine() {
  return static_cast<EngineBase*>(hge);
}

// An input script file without events: it makes a window ignore the real mouse and keyboard.
std::string EmptyScriptFile() {
  char path[] = "/tmp/dh_bench_input_XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return "";
  const char text[] = "# events are queued by the benchmark\n";
  const bool written = write(fd, text, sizeof(text) - 1) == static_cast<ssize_t>(sizeof(text) - 1);
  close(fd);
  return written ? path : "";
}

}  // namespace

bool StartFullGame(hgeRunOptions options) {
  options.inputScript = EmptyScriptFile();
  if (options.inputScript.empty()) return false;
  // The program's start-up (RunGame), entering the menu as a run without the logo does.
  hgeConfigure(options);
  ConfigureEngine();
  const bool initiated = hge->System_Initiate();
  std::remove(options.inputScript.c_str());
  if (!initiated) {
    std::fprintf(stderr, "%s\n", hge->System_GetErrorMessage());
    return false;
  }
  LoadGameContent(options.seed);
  hge->System_SetState(HGE_FPS, 120);
  StartMenu();

  int frames = 0;
  for (const InputEvent& event : ParseInputScript(PickFourScript(&frames)).events)
    Engine()->QueueEvent(event);
  RunGameFrames(frames);
  if (currentScreen != Screen::Game || team.size() != 4) return false;
  hge->System_SetState(HGE_FPS, HGEFPS_UNLIMITED);
  // The start makes half the zombies; the same placement brings them to the full count.
  PlaceFirstZombies();
  gameMap->pathsStale = true;
  return static_cast<int>(zombies.size()) == gameMap->zombieCount && FinishPathSearch(100);
}

bool RunGameFrames(int frames) {
  return Engine()->RunFrames(frames);
}

bool FinishPathSearch(int limit) {
  for (int frame = 0; frame < limit; ++frame) {
    RunGameFrames(1);
    if (!gameMap->pathsStale && gameMap->searchMember < 0) return true;
  }
  return false;
}

void StopGame() {
  FreeSounds();
  hge->System_Shutdown();
  hge->Release();
  hge = nullptr;
}
