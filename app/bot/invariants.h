// The game's invariants, checked between frames: figures and their cells and drawing, bags and items, the
// drag, the phases.
#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/screens.h"

class Item;

// Checks the running game's state after each frame; remembers what it needs from the frame before (where
// every item was, the screen and the turn phase) to judge what changed.
class InvariantChecker {
 public:
  // Checks the state after frame `frame`; returns one line per violation (empty when every check holds).
  std::vector<std::string> Check(int frame);
  // Forgets where the items were: a reloaded game holds the same items as new objects.
  void ForgetItems() { ledgerStarted = false, lastItems.clear(), carKeys.clear(); }
  // Single properties checked so far (one property of one figure, item, cell or transition each).
  long long Checks() const { return checks; }

 private:
  // Where an item is: in a member's bag, slot or hands, or lying in a cell.
  struct Place {
    enum Kind { Bag, Slot, Hands, Ground } kind;
    int owner;  // team index, or cell index for Ground
    int type;   // the item's type, kept for reports and for judging its disappearance
    int loaded;
  };

  void Expect(bool holds, const std::string& what);
  void CheckScreens();
  void CheckCells();
  void CheckFigures();
  void CheckMembers();
  void CheckSelection();
  void CheckDrawn();
  void CheckReach();
  void CheckDrag();
  void CheckPhases();
  void CheckProgress();
  std::unordered_map<const Item*, Place> CollectItems();
  void CheckItemLedger(const std::unordered_map<const Item*, Place>& now);
  bool ConsumedByRule(const Item* item, const Place& was) const;

  int frame = 0;
  long long checks = 0;
  std::vector<std::string> found;
  bool started = false;
  Screen lastScreen = Screen::None;
  int lastPhase = -1;
  int lastSelected = -1;  // the selected member after the frame before, -1 outside the game screen
  int framesAway = 0;     // frames since the player last had the input (phase 0)
  size_t boxesSeen = 0;
  bool ledgerStarted = false;
  bool lastKeyFound = false;
  std::unordered_map<const Item*, Place> lastItems;
  std::set<const Item*> carKeys;  // every escape key item seen this game
};
