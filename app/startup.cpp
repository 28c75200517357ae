// Start-up in its fixed order, the engine loop, and the orderly shutdown.
#include <ctime>
#include <string>

#include "app/dump.h"
#include "app/options.h"
#include "app/options_file.h"
#include "app/screens.h"
#include "app/session.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "app/town_memory.h"
#include "config/settings.h"
#include "engine/language.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/messages.h"
#include "game/random.h"
#include "map/map.h"
#include "map/towns.h"
#include "ui/resources.h"

// LeakSanitizer's check, present only when the program is built with it.
extern "C" void __lsan_do_leak_check() __attribute__((weak));

namespace {

// The --map file ("" for none).
std::string mapOverride;

// The window may always be closed; a game in play is saved first.
bool ExitRequested() {
  if (currentScreen == Screen::Game && outcome == OUTCOME_NONE) SaveGame();
  return true;
}

// After a lost device the card surface's texture is fetched anew and handed to its sprites.
bool RestoreTargets() {
  if (cardSurface == 0) return false;
  const HTEXTURE texture = hge->Target_GetTexture(cardSurface);
  for (hgeSprite* slot : cardSlots) {
    if (slot != nullptr) slot->SetTexture(texture);
  }
  return false;
}

}  // namespace

std::string GameMapFile() {
  return mapOverride.empty() ? Towns()[chosenTown].mapFile : mapOverride;
}

void SetGameMapFile(const std::string& path) {
  mapOverride = path;
}

const std::string& MapOverride() {
  return mapOverride;
}

std::string NewGameTown() {
  return mapOverride.empty() ? Towns()[chosenTown].id : mapOverride;
}

void ConfigureEngine() {
  hge = hgeCreate(HGE_VERSION);
  hge->System_SetState(HGE_LOGFILE, "Data/dh.log");
  hge->System_SetState(HGE_INIFILE, "Data/dh.ini");
  hge->System_SetState(HGE_TITLE, "Duskhollow v" DH_VERSION);
  hge->System_SetState(HGE_EXITFUNC, ExitRequested);
  hge->System_SetState(HGE_GFXRESTOREFUNC, RestoreTargets);
  hge->System_SetState(HGE_WINDOWED, activeOptions.fullscreen == 0);
  hge->System_SetState(HGE_SHOWSPLASH, false);
  hge->System_SetState(HGE_FPS, 100);
  hge->System_SetState(HGE_HIDEMOUSE, false);
  hge->System_SetState(HGE_SCREENWIDTH, 800);
  hge->System_SetState(HGE_SCREENHEIGHT, 600);
  hge->System_SetState(HGE_SCREENBPP, 32);
}

void LoadGameContent(unsigned seed) {
  hge->Random_Seed(0);
  SeedRandom(seed);
  LoadSettings(hge);
  LoadPhrases();
  CreateItemPictures();
  LOGO = hge->Ini_GetInt("start", "LOGO", 1);
  chosenTown = RememberedTown();
  LoadBoard();
  LoadSounds();
  PlayLooped(SND_CLOCK);
}

int RunGame(const hgeRunOptions& options, void (*afterFrame)(int frame)) {
  hgeConfigure(options);
  ConfigureEngine();
  hge->System_SetAfterFrame(afterFrame != nullptr ? afterFrame : WriteDumps);
  if (!hge->System_Initiate()) {
    hge->System_ErrorBox(hge->System_GetErrorMessage());
    hge->System_Shutdown();
    hge->Release();
    hge = nullptr;
    return 0;
  }
  hge->System_Log("Duskhollow %s, seed %u", DH_VERSION, options.seed);
  hge->System_Log("Language %s%s%s", LanguageCode(CurrentLanguage()), LanguageProblem().empty() ? "" : ": ",
                  LanguageProblem().c_str());
  if (!optionsNote.empty()) hge->System_Log("%s", optionsNote.c_str());
  LoadGameContent(options.seeded ? options.seed : static_cast<unsigned>(std::time(nullptr)));
  if (LOGO > 0) {
    hge->System_SetState(HGE_FPS, 150);
    StartLogo();
  } else {
    hge->System_SetState(HGE_FPS, 120);
    StartMenu();
  }
  hge->System_Start();

  FreeSounds();
  hge->System_Shutdown();
  hge->Release();
  hge = nullptr;
  // The game's long-lived objects stay until the process ends, held by their globals; checked now, before
  // the globals are torn down, a sanitizer build reports only what nothing holds any more.
  if (__lsan_do_leak_check != nullptr) __lsan_do_leak_check();
  return 0;
}
