// The bot on the game screen: random commands on the map and the display, drags, drops and the pop-up list.
#include <algorithm>

#include "app/bot/bot_player.h"
#include "app/selection.h"
#include "engine/hge.h"
#include "game/game_stats.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/hud_list.h"
#include "ui/reach_overlay.h"
#include "ui/smart_gui.h"

namespace {

bool Alive(int member) {
  return member >= 0 && member < static_cast<int>(team.size()) && team[member]->alive;
}

// The slot that takes items of `kind`, or -1.
int SlotFor(int kind) {
  switch (kind) {
    case KIND_BACKPACK:
      return HUD_BACKPACK;
    case KIND_ARMOUR:
      return HUD_ARMOUR;
    case KIND_HOLSTER:
      return HUD_HOLSTER;
    case KIND_KEYS:
      return HUD_KEYS;
  }
  return -1;
}

}  // namespace

bool BotPlayer::ClickCell(int cell) {
  BotPoint p{};
  if (!CellPoint(cell, rng, &p)) return false;
  Click(p, HGEK_LBUTTON);
  return true;
}

bool BotPlayer::ClickHud(int id, int key) {
  BotPoint p{};
  if (!HudPoint(id, rng, &p)) return false;
  Click(p, key);
  return true;
}

bool BotPlayer::SelectByKey(int member) {
  if (member < 0 || member > 3) return false;
  Tap(HGEK_1 + member);
  Wait(Between(1, 3));
  return true;
}

int BotPlayer::RandomVisibleCell() {
  const Map& map = *gameMap;
  if (map.CW <= 0 || map.CH <= 0) return -1;
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int x = static_cast<int>((Between(0, 799) + map.view.offsetX) / map.CW);
    const int y = static_cast<int>((Between(0, 599) + map.view.offsetY) / map.CH);
    BotPoint p{};
    const int cell = map.CellIndex(x, y);
    if (cell >= 0 && CellPoint(cell, rng, &p)) return cell;
  }
  return -1;
}

void BotPlayer::PlanGame() {
  if (screenState != PHASE_INPUT) {
    PlanWhileActing();
  } else if (dragState == DRAG_POPUP) {
    PlanPopupPick();
  } else if (leftHeld) {
    Release(HGEK_LBUTTON, 1);
  } else if (gameMap->view.autoScroll) {
    // A glide moves the cells under the pointer: the bot lets it end, with the pointer on the map.
    BotPoint p{};
    if (CellPoint(RandomVisibleCell(), rng, &p)) MoveTo(p, 1);
    Wait(Between(1, 5));
  } else if (dragState == DRAG_NONE && zombieReachShown != (gameStats.turns % 2 == 1)) {
    // The zombie reach is shown on odd turns and hidden on even ones, so the checks see both.
    if (Chance(0.5) || !ClickHud(HUD_REACH, HGEK_LBUTTON)) Tap(REACH_KEY);
  } else if (dragState == DRAG_ITEM) {
    PlanDrop();
  } else if (dragState == DRAG_APPLY) {
    PlanApplyTarget();
  } else {
    PlanCommand();
  }
}

void BotPlayer::PlanWhileActing() {
  if (leftHeld) Release(HGEK_LBUTTON, 1);
  // Mostly the bot watches; now and then it clicks or presses keys that the game must ignore meanwhile.
  if (!Chance(0.05)) {
    Wait(Between(2, 10));
    return;
  }
  switch (Between(0, 2)) {
    case 0:
      Tap(HGEK_1 + Between(0, 3));
      break;
    case 1:
      Click({static_cast<float>(Between(0, 799)), static_cast<float>(Between(0, 599))}, HGEK_LBUTTON);
      break;
    default:
      Click({static_cast<float>(Between(0, 799)), static_cast<float>(Between(0, 599))}, HGEK_RBUTTON);
      break;
  }
}

void BotPlayer::PlanCommand() {
  const int s = selectedMember;
  if (!Alive(s)) {
    const int pick = Between(0, 3);
    if (Chance(0.5) || !ClickHud(HUD_PHOTO_FIRST + pick, HGEK_LBUTTON)) SelectByKey(pick);
    return;
  }
  // Commands on the map count only once the member's paths are known; a player waits for the marks too.
  if (s < MAP_MAX_MEMBERS && !gameMap->pathDone[s] && Chance(0.9)) {
    Wait(1);
    return;
  }
  const int roll = Between(0, 99);
  if (roll < 65 && PlanPurpose()) return;
  if (roll < 73) {
    if (ClickCell(RandomVisibleCell())) return;
  } else if (roll < 79) {
    if (!zombies.empty() && ClickCell(zombies[Between(0, static_cast<int>(zombies.size()) - 1)]->cell))
      return;
  } else if (roll < 83) {
    const int pick = Between(0, 3);
    if (Chance(0.5) || !ClickHud(HUD_PHOTO_FIRST + pick, HGEK_LBUTTON)) SelectByKey(pick);
    return;
  } else if (roll < 90) {
    PlanInventoryDrag();
    return;
  } else if (roll < 93) {
    if (ClickHud(HUD_ACTIVE_ITEM, HGEK_LBUTTON)) return;
  } else if (roll < 95) {
    if (ClickHud(HUD_ACTIVE_ITEM, HGEK_RBUTTON)) return;
  } else if (roll < 96) {
    Tap(HGEK_RBUTTON);
    return;
  } else if (roll < 98) {
    if (PickUpHere(s, -1)) return;
  } else {
    if (Chance(0.5) || !ClickHud(HUD_END_TURN, HGEK_LBUTTON)) Tap(HGEK_E);
    return;
  }
  Wait(Between(1, 3));
}

void BotPlayer::PlanInventoryDrag() {
  static const int sources[] = {14, 15,        16,           17,         18,          19,      20,
                                21, HUD_HANDS, HUD_BACKPACK, HUD_ARMOUR, HUD_HOLSTER, HUD_KEYS};
  static const int targets[] = {9,
                                10,
                                11,
                                12,
                                HUD_PANEL,
                                14,
                                15,
                                16,
                                17,
                                18,
                                19,
                                20,
                                21,
                                HUD_HANDS,
                                HUD_BACKPACK,
                                HUD_ARMOUR,
                                HUD_HOLSTER,
                                HUD_KEYS,
                                HUD_ACTIVE_ITEM,
                                HUD_END_TURN};
  BotPoint from{}, to{};
  if (!HudPoint(sources[Between(0, static_cast<int>(std::size(sources)) - 1)], rng, &from)) return Wait(1);
  const bool onMap = Chance(0.2);
  bool found = false;
  if (onMap) {
    const int s = selectedMember;
    const int cell = Chance(0.5) && Alive(s) ? team[s]->cell : RandomVisibleCell();
    found = CellPoint(cell, rng, &to);
  } else {
    found = HudPoint(targets[Between(0, static_cast<int>(std::size(targets)) - 1)], rng, &to);
  }
  if (!found) return Wait(1);
  Drag(from, to);
}

void BotPlayer::PlanDrop() {
  const int s = selectedMember;
  const int kind = draggedItem != nullptr ? draggedItem->kind : -1;
  const int roll = Between(0, 99);
  int target = HUD_BAG_FIRST + Between(0, 7);
  if (roll < 15 || (kind == KIND_KEYS && roll < 70)) {
    target = SlotFor(kind) >= 0 ? SlotFor(kind) : HUD_BACKPACK + Between(0, 3);
  } else if (roll < 25) {
    target = HUD_PHOTO_FIRST + Between(0, 3);
  } else if (roll < 35) {
    if (Alive(s) && ClickCell(Chance(0.7) ? team[s]->cell : RandomVisibleCell())) return;
  } else if (roll < 45) {
    static const int others[] = {HUD_PANEL, HUD_HANDS, HUD_ACTIVE_ITEM, HUD_END_TURN};
    target = others[Between(0, static_cast<int>(std::size(others)) - 1)];
  }
  if (!ClickHud(target, HGEK_LBUTTON)) Tap(HGEK_RBUTTON);
}

void BotPlayer::PlanApplyTarget() {
  const int roll = Between(0, 9);
  if (roll < 7) {
    const int target = Chance(0.5) ? selectedMember : Between(0, 3);
    if (ClickHud(HUD_PHOTO_FIRST + target, HGEK_LBUTTON)) return;
  } else if (roll < 9) {
    const int target = Between(0, static_cast<int>(team.size()) - 1);
    if (ClickCell(team[target]->cell)) return;
  }
  // A held right button gives the apply up.
  Tap(HGEK_RBUTTON);
}

void BotPlayer::PlanPopupPick() {
  std::vector<const SmartGuiRect*> entries;
  if (popupGui != nullptr) {
    const std::vector<Item*>* items =
        gameMap->ValidCell(popupCell) ? &gameMap->cells[popupCell].items : nullptr;
    for (const SmartGuiRect* r : popupGui->Rects()) {
      if (r->id < 0 || items == nullptr || r->id >= static_cast<int>(items->size())) continue;
      if (wantedPickType >= 0 && (*items)[r->id]->type != wantedPickType) continue;
      entries.push_back(r);
    }
  }
  wantedPickType = -1;
  BotPoint p{static_cast<float>(Between(0, 799)), static_cast<float>(Between(0, 599))};
  if (!entries.empty() && Chance(0.9)) {
    const SmartGuiRect* r = entries[Between(0, static_cast<int>(entries.size()) - 1)];
    p = PointIn(r->left, r->top, r->right - r->left, r->bottom - r->top, rng);
  }
  // The pointer settles on the entry before the button comes up, as a player's would.
  MoveTo(p, 1);
  if (!leftHeld) Press(HGEK_LBUTTON, Between(2, 3));
  Release(HGEK_LBUTTON, Between(2, 3));
}
