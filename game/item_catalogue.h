// The item catalogue as data: one row per item type, with its actions and weighted results.
#pragma once

#include <cstdint>
#include <vector>

#include "game/ids.h"

// One weighted result as the catalogue prints it (one weight stands for both).
struct CatalogueResult {
  float without;
  float with;
  int32_t code;
};

// One action of a row: id(cost, rounds) and its results.
struct CatalogueAction {
  int32_t id;
  int16_t cost;
  int16_t rounds;
  std::vector<CatalogueResult> results;
};

// How an item's loaded count is drawn: times x RandomInt(lo, hi); no draw when times is 0.
struct CatalogueLoaded {
  int16_t lo;
  int16_t hi;
  int16_t times;
  bool capacityToo;  // the ammunition box: capacity = the drawn count
};

// One catalogue row.
struct CatalogueRow {
  int32_t type;
  const char* name;  // UTF-8
  int32_t kind;
  int16_t size;
  int16_t range;
  int16_t capacity;
  CatalogueLoaded loaded;
  int16_t ammoKind;
  std::vector<int32_t> skills;
  std::vector<CatalogueAction> actions;
};

// The row of `type`, or null outside 0..51.
const CatalogueRow* CatalogueRowOf(int32_t type);
