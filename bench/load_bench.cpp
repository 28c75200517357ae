// Loading the shipped map and the font, and drawing the head-up display's texts.
#include <benchmark/benchmark.h>

#include <string>

#include "config/settings.h"
#include "engine/font.h"
#include "engine/hge.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "headless_game.h"
#include "map/map.h"
#include "ui/resources.h"

namespace {

// The map file with its textures and sprites (the headless engine decodes the pictures for their sizes).
void BM_MapLoad(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  const int selected = selectedMember;  // a new map clears the selection
  for (auto _ : state) {
    Map map("Data/map1.dhm");
    benchmark::DoNotOptimize(map.cells.data());
  }
  selectedMember = selected;
}
BENCHMARK(BM_MapLoad)->Unit(benchmark::kMillisecond);

void BM_FontLoad(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  for (auto _ : state) {
    hgeFont font("Data/font.fnt");
    benchmark::DoNotOptimize(font.GetHeight());
  }
}
BENCHMARK(BM_FontLoad)->Unit(benchmark::kMicrosecond);

// The display's texts of one frame: the message line (the longest phrase) and the four photos' points.
void BM_HudText(benchmark::State& state) {
  if (!HeadlessGame()) return state.SkipWithError("the game did not start");
  std::string longest;
  for (const std::string& phrase : Phrases()) {
    if (phrase.size() > longest.size()) longest = phrase;
  }
  for (auto _ : state) {
    hge->Gfx_BeginScene(0);
    messageFont->Render(INTER_INV_X + INTER_MESSAGE_X, INTER_INV_TOP + INTER_MESSAGE_Y, HGETEXT_LEFT,
                        longest.c_str());
    for (int i = 0; i < 4; ++i) {
      font1->printf(INTER_PHOTO_X + AP_ON_PHOTO_X, INTER_PHOTO_Y + i * INTER_PHOTO_STEP + AP_ON_PHOTO_Y,
                    HGETEXT_RIGHT, "%i", team[i]->actionPoints);
    }
    hge->Gfx_EndScene();
  }
  state.counters["characters"] = static_cast<double>(longest.size() + 4 * 2);
  state.counters["quads"] = static_cast<double>(hge->Gfx_GetRecordedQuads().size());
}
BENCHMARK(BM_HudText)->Unit(benchmark::kMicrosecond);

}  // namespace
