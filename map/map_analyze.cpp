// The map's update while the player commands: fading roofs, path marks, and clicks turned into commands.
#include <algorithm>
#include <cstdint>

#include "config/settings.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "game/action_rules.h"
#include "game/actions.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/map_commands.h"

namespace {

// Alpha of an opaque map sprite.
constexpr float OPAQUE = 255.0f;

// Gives a map sprite the grey level `level` on all four channels, so it darkens as it turns transparent.
void Tint(map_sprites_struct& s, int level) {
  const uint32_t g = static_cast<uint32_t>(std::clamp(level, 0, 255));
  if (s.sprite != nullptr) s.sprite->SetColor(g * 0x01010101u);
}

bool LeftDown() {
  return hge->Input_KeyDown(HGEK_LBUTTON);
}

bool LeftUp() {
  return hge->Input_KeyUp(HGEK_LBUTTON);
}

// The sprite that hides the cursor cell, or -1.
int HidingSprite(const Map& map) {
  if (!map.view.cursorOnMap || !map.ValidCell(map.view.cursorCell)) return -1;
  const int h = map.cells[map.view.cursorCell].hide;
  // A hide index that names no sprite was reported at load time; it fades nothing.
  return h >= 0 && h < static_cast<int>(map.sprites.size()) ? h : -1;
}

// The sprite under the cursor fades out; every other faded sprite comes back.
void FadeSprites(Map& map, int h, float dt) {
  if (h >= 0) {
    map_sprites_struct& s = map.sprites[h];
    if (s.alpha > MIN_TRANSPARENCY) {
      const int before = static_cast<int>(s.alpha);
      s.alpha -= TRANSPARENCY_SPEED * dt;
      // Counted once, when it actually leaves full opacity.
      if (before == OPAQUE && s.alpha < OPAQUE) ++map.fadedSprites;
      if (static_cast<int>(s.alpha) != before) Tint(s, static_cast<int>(s.alpha));
    }
  }
  if (map.fadedSprites <= 0) return;
  for (int i = 0; i < static_cast<int>(map.sprites.size()); ++i) {
    map_sprites_struct& s = map.sprites[i];
    if (i == h || s.alpha >= OPAQUE) continue;
    const int before = static_cast<int>(s.alpha);
    s.alpha += TRANSPARENCY_SPEED * dt;
    if (static_cast<int>(s.alpha) == before) continue;
    if (s.alpha >= OPAQUE) {
      s.alpha = OPAQUE;
      --map.fadedSprites;
    }
    Tint(s, static_cast<int>(s.alpha));
  }
}

// The open pop-up list answers the left button wherever the pointer is: a release on an entry starts
// dragging that ground item, a press anywhere but on an entry closes the list. The release of the click
// that opened it, outside the entries, leaves it open.
void AnswerPopup(const Map& map, const MapInterface& ui) {
  if (LeftDown() && ui.popupRow < 0) {
    CancelDrag();
    return;
  }
  if (!LeftUp() || ui.popupRow < 0) return;
  const int row = ui.popupRow;
  const std::vector<Item*>* items = map.ValidCell(ui.popupCell) ? &map.cells[ui.popupCell].items : nullptr;
  if (items == nullptr || row >= static_cast<int>(items->size())) {
    CancelDrag();
    return;
  }
  dragState = DRAG_ITEM;
  dragSource = SRC_GROUND;
  dragCell = ui.popupCell;
  draggedItem = (*items)[row];
}

// A left press on cell `c`, with the selected member's routes complete.
void PressOnCell(Map& map, int c, const MapInterface& ui) {
  const int member = map.cells[c].memberHere;
  if (dragState == DRAG_APPLY) {
    if (member < 0) {
      ShowPhrase(PHRASE_NOBODY_TO_HEAL);
      CancelDrag();
    } else {
      ApplyItem(member);
    }
  } else if (member < 0 && map.cells[c].zombieHere < 0) {
    if (map.cells[c].floor == FLOOR_SEARCH_SPOT) {
      SearchSpot(map, selectedMember, c);
    } else {
      MoveMember(map, selectedMember, c);
    }
  } else if (member < 0) {
    AttackZombie(c);
  } else if (member != selectedMember) {
    ui.selectMember(member);
  } else if (!map.cells[c].items.empty()) {
    ui.openPopup(c, mouseX, mouseY);
    dragState = DRAG_POPUP;
  }
}

}  // namespace

void Map::Analyze(float dt, const MapInterface& ui) {
  UpdateView(dt, ui.edgeScrolling);
  // Over the display no roof is under the pointer: every faded one comes back.
  FadeSprites(*this, ui.overHud ? -1 : HidingSprite(*this), dt);

  const Person* s =
      selectedMember >= 0 && selectedMember < static_cast<int>(team.size()) ? team[selectedMember] : nullptr;
  const bool popupOpen = dragState == DRAG_POPUP;
  if (popupOpen) {
    AnswerPopup(*this, ui);
  } else if (dragState == DRAG_ITEM && !ui.overHud && (LeftDown() || LeftUp())) {
    if (s != nullptr) {
      PutDownDragged(*this, selectedMember, view.cursorOnMap ? view.cursorCell : -1);
    } else {
      CancelDrag();
    }
    return;
  }

  const bool routes = s != nullptr && s->alive && selectedMember < MAP_MAX_MEMBERS;
  view.showPath = !ui.overHud && !view.scrolled && routes && pathDone[selectedMember] && view.cursorOnMap &&
                  dragState != DRAG_ITEM;
  if (view.showPath && (view.cursorX != view.markedX || view.cursorY != view.markedY || marksStale)) {
    MarkPath();
    view.markedX = view.cursorX;
    view.markedY = view.cursorY;
    marksStale = false;
  }

  // A press on the map counts in whatever frame it falls: the one the pointer enters a cell in, one in
  // which the view glides or scrolls, one before the routes are complete.
  if (popupOpen || ui.overHud || !LeftDown() || !view.cursorOnMap || !ValidCell(view.cursorCell)) return;
  if (routes) FinishMemberSearch(selectedMember);
  if (!routes || !pathDone[selectedMember]) {
    if (cells[view.cursorCell].memberHere >= 0) ui.selectMember(cells[view.cursorCell].memberHere);
    return;
  }
  PressOnCell(*this, view.cursorCell, ui);
}
