// The fixture of the tests that click on the map through whole game frames.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "play_actions/play_support.h"

class MapClicks : public PlayTest {
 protected:
  // A map from `floor` (`w` cells across, as many rows as the floor fills, `spots` search spots along the
  // top row) with members at the given cells.
  void Start(const std::string& floor, std::initializer_list<std::pair<int, int>> members, int spots = 0,
             int w = 10) {
    UseMap(TestMapFile(w, static_cast<int>(floor.size()) / w, floor, spots));
    for (const auto& [x, y] : members) AddMember(x, y);
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    gameMap->pathsStale = true;
    Settle();
  }

  // Plays frames until every queue is empty and the paths are searched again.
  void Settle() {
    for (int i = 0;
         i < 2000 && (screenState != PHASE_INPUT || gameMap->pathsStale || gameMap->searchMember >= 0); ++i) {
      Frame();
    }
  }

  // Moves the mouse to the middle of cell (x, y) and lets the marks catch up.
  void At(int x, int y) {
    fake.SetMouse(32.0f * x + 16, 32.0f * y + 16);
    Frame();
  }

  // A left press where the mouse is, then its release.
  void Press() {
    fake.Press(HGEK_LBUTTON);
    Frame();
    Release();
  }

  void Release() {
    fake.Lift(HGEK_LBUTTON);
    Frame();
  }
};
