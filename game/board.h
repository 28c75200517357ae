// What the rules need of the board: its cells' heights, occupants and items, the escape cell and the step
// rules. The map (map/map.h) is the one board of the game; the rules reach it as `gameBoard`.
#pragma once

#include <cstdint>
#include <vector>

class Item;

class Board {
 public:
  virtual ~Board() = default;

  // Cells across.
  virtual int Columns() const = 0;
  // True when `cell` indexes an existing cell.
  virtual bool ValidCell(int cell) const = 0;
  // The drawing offset of a figure standing in `cell` (a valid cell).
  virtual int StandHeight(int cell) const = 0;
  // The index of the zombie occupying `cell` (a valid cell), -1 for none.
  virtual int ZombieAt(int cell) const = 0;
  // Records zombie `zombie` as moved from cell `from` to cell `to` (both valid).
  virtual void MoveZombie(int zombie, int from, int to) = 0;
  // The items lying in `cell` (a valid cell).
  virtual std::vector<Item*>& ItemsAt(int cell) = 0;
  // The index of the escape cell, -1 when it lies off the grid.
  virtual int EscapeCell() const = 0;
  // Cost for team member `member` (-1 nobody) of one step from (x, y) in `direction`; -1 impossible.
  virtual int16_t MemberStepCost(int member, int x, int y, int direction, bool checkZombies,
                                 bool allowSearchSpot, bool checkMembers) const = 0;
  // Cost for a zombie of one step from (x, y) in `direction`; -1 impossible.
  virtual int16_t ZombieStepCost(int x, int y, int direction, bool checkZombies) const = 0;
};
