// The bot's hands: random but legal-looking input for whichever screen runs, given to the headless engine
// through the same input queue a player's devices fill.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "app/bot/bot_view.h"
#include "app/screens.h"

class BotPlayer {
 public:
  // A bot whose choices follow its own generator, seeded with `seed` (never the game's generator); it builds
  // teams of `teamSize` members, or of a size it draws (two to four) when `teamSize` is 0.
  BotPlayer(uint32_t seed, int teamSize);

  // Called after each frame: chooses what to do next and queues the input of the following frame.
  void Step();
  // Drops what it meant to do and presses Escape (on the game screen: save and quit).
  void Quit();

 private:
  // One input of a gesture, given `wait` frames after the previous one.
  struct Input {
    enum Kind { Nothing, Move, Down, Up } kind;
    int wait;
    BotPoint at;
    int key;
  };

  // ---- Gestures (bot_player.cpp) ----
  void Wait(int frames);
  void MoveTo(BotPoint p, int wait = 0);
  void Press(int key, int wait = 0);
  void Release(int key, int wait = 0);
  void Tap(int key);
  // Points at p, lets the game see the pointer settle for a frame or more, then presses and releases.
  void Click(BotPoint p, int key);
  // Presses at `from`, carries the pointer to `to` and releases there.
  void Drag(BotPoint from, BotPoint to);
  int Between(int lo, int hi);
  bool Chance(double p);

  // ---- Screens (bot_player.cpp) ----
  void Plan();
  void PlanLogo();
  void PlanMenu();
  void PlanTeam();

  // ---- The game screen (bot_game.cpp) ----
  void PlanGame();
  void PlanWhileActing();
  void PlanCommand();
  void PlanDrop();
  void PlanApplyTarget();
  void PlanPopupPick();
  void PlanInventoryDrag();
  bool ClickCell(int cell);
  bool ClickHud(int id, int key);
  bool SelectByKey(int member);
  int RandomVisibleCell();

  // ---- Playing with a purpose (bot_goals.cpp) ----
  bool PlanPurpose();
  bool GoTowards(int member, int goal, bool goalIsSpot);
  bool MakeActiveAndStart(int member);
  bool PickUpHere(int member, int wantedType);
  std::vector<int> DistancesTo(int member, int goal, bool goalIsSpot) const;

  BotRandom rng;
  std::deque<Input> pending;
  Screen plannedFor = Screen::None;  // the screen the pending input was planned on
  bool leftHeld = false;
  int wantedTeamSize;
  int wantedPickType = -1;  // item type the pending pop-up pick is after (-1 any)
};
