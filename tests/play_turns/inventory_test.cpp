// Inventory commands: the press and drop tables with their slot rules and costs, cycling, the action button.
#include "app/inventory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "app/game_state.h"
#include "app/play.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "screens/screen_fixture.h"
#include "ui/hud_list.h"

namespace {

// Catalogue types used below.
constexpr int KEYS = 0, HOLSTER = 2, BACKPACK = 3, ARMOUR = 4, JACKET = 5, NAILS = 6, PAINKILLER = 7,
              DOCTORS_BAG = 12, KNIFE = 13, CARTRIDGES = 35, REVOLVER = 41;

class InventoryTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    s = AddMember(4, 4);
    selectedMember = 0;
  }

  // Puts a new item of `type` on the selected member's cell and drags it from there, as the pop-up does.
  Item* DragFromGround(int type) {
    Item* item = new Item(type);
    gameMap->cells[s->cell].items.push_back(item);
    popupCell = s->cell;
    Drag(item, SRC_GROUND);
    return item;
  }

  static void Drag(Item* item, int source) {
    draggedItem = item;
    dragState = DRAG_ITEM;
    dragSource = source;
  }

  static Item* Carry(Person* p, int type) {
    Item* item = new Item(type);
    p->bag.push_back(item);
    p->RecountBag();
    return item;
  }

  std::vector<Item*>& Ground() { return gameMap->cells[s->cell].items; }

  Person* s = nullptr;
};

TEST_F(InventoryTest, ABagCellPressPicksTheItemCoveringItAndASlotPressItsItem) {
  Item* bag2 = Carry(s, DOCTORS_BAG);  // cells 1 and 2
  Item* knife = Carry(s, KNIFE);       // cell 3
  const std::pair<int, Item*> presses[] = {{14, bag2}, {15, bag2}, {16, knife}, {17, nullptr}};
  for (const auto& [id, expected] : presses) {
    CancelDrag();
    PressHud(id);
    EXPECT_EQ(draggedItem, expected) << id;
    EXPECT_EQ(dragState, expected ? DRAG_ITEM : DRAG_NONE) << id;
    EXPECT_EQ(dragSource, expected ? SRC_BAG : 0) << id;
  }

  s->backpack = new Item(BACKPACK);
  s->armour = new Item(ARMOUR);
  s->holster = new Item(HOLSTER);
  s->keys = new Item(KEYS);
  const std::pair<int, std::pair<Item*, int>> slots[] = {{HUD_BACKPACK, {s->backpack, SRC_BACKPACK}},
                                                         {HUD_ARMOUR, {s->armour, SRC_ARMOUR}},
                                                         {HUD_HOLSTER, {s->holster, SRC_HOLSTER}},
                                                         {HUD_KEYS, {s->keys, SRC_KEYS}}};
  for (const auto& [id, item] : slots) {
    CancelDrag();
    PressHud(id);
    EXPECT_EQ(draggedItem, item.first) << id;
    EXPECT_EQ(dragSource, item.second) << id;
  }
  EXPECT_NE(s->keys, nullptr);  // a dragged slot item stays put until it is dropped
  CancelDrag();
  s->keys = nullptr;
  PressHud(HUD_KEYS);
  EXPECT_EQ(dragState, DRAG_NONE);
}

TEST_F(InventoryTest, PressingTheHandsMakesThemActiveAndMarksTargetsAgain) {
  Person* z = AddZombie(5, 4);
  s->active = Carry(s, NAILS);  // nothing to strike with
  gameMap->MarkTargets();
  ASSERT_FALSE(z->targetable);
  PressHud(HUD_HANDS);
  EXPECT_EQ(s->active, s->hands);
  EXPECT_EQ(message, W("Руки"));
  EXPECT_TRUE(z->targetable);

  // Dropped on the hands, the hands become active too, but the targets are left as they were.
  s->active = s->bag[0];
  z->targetable = 0;
  Drag(s->bag[0], SRC_BAG);
  DropHud(HUD_HANDS);
  EXPECT_EQ(s->active, s->hands);
  EXPECT_FALSE(z->targetable);
}

TEST_F(InventoryTest, TakingFromTheGroundCostsOnePointAndNeedsIt) {
  s->actionPoints = 2;
  Item* knife = DragFromGround(KNIFE);
  DropHud(HUD_BAG_FIRST + 5);
  EXPECT_EQ(s->bag, std::vector<Item*>{knife});
  EXPECT_EQ(s->actionPoints, 1);
  EXPECT_TRUE(Ground().empty());
  EXPECT_EQ(dragState, DRAG_NONE);

  Item* jacket = DragFromGround(ARMOUR);
  DropHud(HUD_ARMOUR);
  EXPECT_EQ(s->armour, jacket);
  EXPECT_EQ(s->active, jacket);
  EXPECT_EQ(message, W("Хоккейная защита"));
  EXPECT_EQ(s->actionPoints, 0);
  EXPECT_TRUE(Ground().empty());

  // Without a point nothing moves, neither into the bag nor into a slot.
  Item* holster = DragFromGround(HOLSTER);
  DropHud(HUD_ACTIVE_ITEM);
  EXPECT_EQ(message, W("Требуется 1 очко действия"));
  Drag(holster, SRC_GROUND);
  message.clear();
  DropHud(HUD_HOLSTER);
  EXPECT_EQ(message, W("Требуется 1 очко действия"));
  EXPECT_EQ(s->holster, nullptr);
  EXPECT_EQ(s->bagCapacity, 4);
  EXPECT_EQ(Ground(), std::vector<Item*>{holster});
  EXPECT_EQ(s->bag.size(), 1u);

  // A full bag refuses without charging.
  s->actionPoints = 1;
  Carry(s, DOCTORS_BAG);
  Carry(s, NAILS);
  Drag(holster, SRC_GROUND);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->actionPoints, 1);
  EXPECT_EQ(Ground(), std::vector<Item*>{holster});
}

TEST_F(InventoryTest, SlotsTakeTheirKindForFreeFromTheBagAndABackpackWidensTheBagAtOnce) {
  s->actionPoints = 0;  // nothing here costs a point
  Item* pack = Carry(s, BACKPACK);
  Item* knife = Carry(s, KNIFE);
  Item* nails = Carry(s, NAILS);
  ASSERT_EQ(s->bagLoad, 4);

  Drag(knife, SRC_BAG);
  DropHud(HUD_ARMOUR);  // wrong kind for an empty slot: silent
  EXPECT_EQ(s->armour, nullptr);
  EXPECT_EQ(s->bag.size(), 3u);
  EXPECT_TRUE(message.empty());

  Drag(pack, SRC_BAG);
  DropHud(HUD_BACKPACK);
  EXPECT_EQ(s->backpack, pack);
  EXPECT_EQ(s->bagCapacity, 7);
  EXPECT_EQ(s->bagLoad, 2);
  EXPECT_EQ(s->active, pack);

  // The room it gives is there for the next pick-up from the ground.
  s->actionPoints = 1;
  Item* bag2 = DragFromGround(DOCTORS_BAG);
  Carry(s, REVOLVER);
  Item* cartridges = Carry(s, CARTRIDGES);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->bag.back(), bag2);
  EXPECT_EQ(s->bagLoad, 6);

  // Back into the bag only when it fits without the room it takes away.
  Drag(pack, SRC_BACKPACK);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->backpack, pack);
  s->RemoveFromBag(bag2);
  s->RemoveFromBag(nails);
  s->RemoveFromBag(cartridges);
  Drag(pack, SRC_BACKPACK);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->backpack, nullptr);
  EXPECT_EQ(s->bagCapacity, 4);
  EXPECT_EQ(s->bag.back(), pack);
  EXPECT_EQ(s->actionPoints, 0);
}

TEST_F(InventoryTest, AFilledSlotKeepsItsItemAndMakesItActive) {
  s->armour = new Item(ARMOUR);
  Item* jacket = Carry(s, JACKET);
  Drag(jacket, SRC_BAG);
  DropHud(HUD_ARMOUR);
  EXPECT_EQ(s->bag, std::vector<Item*>{jacket});
  EXPECT_EQ(s->active, s->armour);

  // Dropped back on its own slot, a dragged slot item only becomes active.
  s->holster = new Item(HOLSTER);
  Drag(s->holster, SRC_HOLSTER);
  DropHud(HUD_HOLSTER);
  EXPECT_EQ(s->active, s->holster);
  EXPECT_EQ(s->bagCapacity, 4);
}

TEST_F(InventoryTest, PhotosHandOverToOthersOnlyAndEveryDropEndsTheDrag) {
  Person* other = AddMember(5, 4);
  s->actionPoints = 2;
  Item* knife = Carry(s, KNIFE);
  Drag(knife, SRC_BAG);
  DropHud(HUD_PHOTO_FIRST);  // one's own photo
  EXPECT_EQ(s->bag.size(), 1u);
  EXPECT_TRUE(message.empty());
  EXPECT_EQ(dragState, DRAG_NONE);

  for (int id : {int{HUD_PANEL}, int{HUD_END_TURN}, -1}) {
    Drag(knife, SRC_BAG);
    DropHud(id);
    EXPECT_EQ(dragState, DRAG_NONE) << id;
    EXPECT_EQ(draggedItem, nullptr) << id;
  }
  Drag(knife, SRC_BAG);
  DropHud(HUD_PHOTO_FIRST + 1);
  EXPECT_TRUE(s->bag.empty());
  EXPECT_EQ(other->bag, std::vector<Item*>{knife});
  EXPECT_EQ(s->actionPoints, 1);
}

TEST_F(InventoryTest, CyclingWrapsAroundKeepsASingleActionAndMarksTargets) {
  Person* z = AddZombie(4, 1);  // three cells away: a shot reaches it, a blow does not
  Item* revolver = Carry(s, REVOLVER);
  s->active = revolver;
  gameMap->MarkTargets();
  EXPECT_TRUE(z->targetable);
  CycleAction();
  EXPECT_EQ(revolver->selectedAction, 1);
  EXPECT_FALSE(z->targetable);
  CycleAction();
  CycleAction();
  EXPECT_EQ(revolver->selectedAction, 0);

  s->active = Carry(s, KNIFE);
  CycleAction();
  EXPECT_EQ(s->active->selectedAction, 0);
  s->active = Carry(s, NAILS);
  CycleAction();
  EXPECT_EQ(s->active->selectedAction, -1);
}

TEST_F(InventoryTest, TheActionButtonChecksPointsThenReloadsAppliesOrStartsTheCar) {
  Item* revolver = Carry(s, REVOLVER);
  Carry(s, CARTRIDGES);
  s->active = revolver;
  revolver->selectedAction = 2;  // reload
  revolver->loaded = 5;
  s->actionPoints = 0;
  PressHud(HUD_ACTIVE_ITEM);
  EXPECT_EQ(message, W("Недостаточно очков действия"));
  EXPECT_EQ(revolver->loaded, 5);
  EXPECT_EQ(s->bag.size(), 2u);

  s->actionPoints = 2;
  UseActiveItem();
  EXPECT_EQ(revolver->loaded, 6);
  EXPECT_EQ(s->actionPoints, 1);
  EXPECT_EQ(s->bag, std::vector<Item*>{revolver});

  revolver->selectedAction = 0;  // a shot is fired by clicking a zombie
  UseActiveItem();
  EXPECT_EQ(s->actionPoints, 1);
  EXPECT_EQ(dragState, DRAG_NONE);

  s->active = Carry(s, PAINKILLER);
  UseActiveItem();
  EXPECT_EQ(dragState, DRAG_APPLY);
  EXPECT_EQ(s->actionPoints, 1);  // applying is paid when the target is chosen

  CancelDrag();
  s->keys = new Item(KEYS);
  s->active = s->keys;
  message.clear();
  UseActiveItem();  // away from the escape cell the car does nothing
  EXPECT_EQ(s->actionPoints, 1);
  EXPECT_TRUE(message.empty());
  s->skills = {19};
  UseActiveItem();
  EXPECT_EQ(message, W("Он не умеет водить!"));

  s->active = Carry(s, NAILS);  // no action at all: not even a message
  message.clear();
  s->actionPoints = 0;
  UseActiveItem();
  EXPECT_TRUE(message.empty());
}

// Every item that exists, counted wherever it is kept: bags, slots and the ground.
std::map<Item*, int> Census() {
  std::map<Item*, int> seen;
  for (Person* p : team) {
    for (Item* item : p->bag) ++seen[item];
    for (Item* item : {p->armour, p->keys, p->backpack, p->holster}) {
      if (item != nullptr) ++seen[item];
    }
  }
  for (const map_cell_struct& c : gameMap->cells) {
    for (Item* item : c.items) ++seen[item];
  }
  return seen;
}

TEST_F(InventoryTest, NoPressAndDropLosesOrDuplicatesAnItem) {
  Person* other = AddMember(4, 5);
  s->backpack = new Item(BACKPACK);
  s->armour = new Item(ARMOUR);
  s->bagCapacity = 7;
  for (int type : {KNIFE, DOCTORS_BAG, JACKET}) Carry(s, type);
  other->holster = new Item(HOLSTER);
  other->bagCapacity = 5;
  Carry(other, NAILS);
  for (int type : {BACKPACK, HOLSTER, KNIFE, KEYS, ARMOUR}) Ground().push_back(new Item(type));
  const std::map<Item*, int> start = Census();
  for (const auto& [item, count] : start) ASSERT_EQ(count, 1);

  // Every press that picks something up (and a pick from the ground) against every drop target.
  std::vector<int> presses = {HUD_BACKPACK, HUD_ARMOUR, HUD_HOLSTER, HUD_KEYS, 0};
  for (int id = HUD_BAG_FIRST; id < HUD_BAG_FIRST + 8; ++id) presses.push_back(id);
  for (int round = 0; round < 3; ++round) {
    for (int press : presses) {
      for (int drop = HUD_PHOTO_FIRST; drop <= HUD_END_TURN; ++drop) {
        s->actionPoints = 10;
        if (press == 0) {
          if (Ground().empty()) continue;
          popupCell = s->cell;
          Drag(Ground()[(round + drop) % Ground().size()], SRC_GROUND);
        } else {
          PressHud(press);
          if (dragState != DRAG_ITEM) continue;
        }
        DropHud(drop);
        const std::map<Item*, int> now = Census();
        ASSERT_EQ(now.size(), start.size()) << press << " onto " << drop;
        for (const auto& [item, count] : now) {
          ASSERT_EQ(count, 1) << ItemName(item->type) << ", " << press << " onto " << drop;
          ASSERT_TRUE(start.count(item)) << press << " onto " << drop;
        }
        for (const Person* p : team) {
          int load = 0;
          for (const Item* item : p->bag) load += item->size;
          ASSERT_EQ(p->bagLoad, load);
          ASSERT_LE(p->bagLoad, p->bagCapacity);
          // The active item is always one the member still holds.
          const Item* a = p->active;
          ASSERT_TRUE(a == p->hands || a == p->armour || a == p->keys || a == p->backpack ||
                      a == p->holster || std::count(p->bag.begin(), p->bag.end(), a) == 1);
        }
      }
    }
    selectedMember = 1 - selectedMember;  // and the same from the other side
    s = team[selectedMember];
  }
}

}  // namespace
