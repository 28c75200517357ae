// Inventory commands: the press and drop tables with their slot rules and costs, cycling, the action button.
#include "play_actions/play_support.h"

namespace {

using Items = std::vector<Item*>;

class InventoryTest : public PlayTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    s = AddMember(4, 4);
    selectedMember = 0;
  }

  void Drag(Item* item, int source) {
    draggedItem = item;
    dragState = DRAG_ITEM;
    dragSource = source;
    dragCell = source == SRC_GROUND ? s->cell : -1;
  }

  // Puts a new item on the selected member's cell and drags it from there, as the pop-up does.
  Item* DragFromGround(int type) {
    Ground().push_back(new Item(type));
    Drag(Ground().back(), SRC_GROUND);
    return Ground().back();
  }

  static Item* Carry(Person* p, int type) {
    p->bag.push_back(new Item(type));
    p->RecountBag();
    return p->bag.back();
  }

  Items& Ground() { return gameMap->cells[s->cell].items; }

  Person* s = nullptr;
};

// A press picks the bag item covering the cell or the slot's item (left in place), or makes the hands active.
TEST_F(InventoryTest, APressPicksTheBagItemCoveringTheCellOrTheSlotsItemOrTheHands) {
  Item* bag2 = Carry(s, ITEM_DOCTORS_BAG);     // cells 1 and 2
  Item* knife = Carry(s, ITEM_KITCHEN_KNIFE);  // cell 3
  s->holster = new Item(ITEM_HOLSTER);
  const std::pair<int, std::pair<Item*, int>> presses[] = {{15, {bag2, SRC_BAG}},  // its second cell
                                                           {16, {knife, SRC_BAG}},
                                                           {17, {nullptr, 0}},
                                                           {HUD_HOLSTER, {s->holster, SRC_HOLSTER}},
                                                           {HUD_KEYS, {nullptr, 0}}};
  for (const auto& [id, expected] : presses) {
    CancelDrag();
    PressHud(id);
    EXPECT_EQ(std::make_pair(draggedItem, dragSource), expected) << id;
  }
  EXPECT_NE(s->holster, nullptr);

  Person* z = AddZombie(5, 4);
  s->active = knife;
  knife->selectedAction = -1;  // nothing to strike with
  gameMap->MarkTargets();
  PressHud(HUD_HANDS);
  EXPECT_EQ(s->active, s->hands);
  EXPECT_EQ(message, W("Руки"));
  EXPECT_TRUE(z->targetable);
}

// Taking from the ground costs one point and needs it; a full bag refuses without charging.
TEST_F(InventoryTest, TakingFromTheGroundCostsOnePointAndNeedsIt) {
  s->actionPoints = 2;
  Item* knife = DragFromGround(ITEM_KITCHEN_KNIFE);
  DropHud(HUD_BAG_FIRST + 5);
  Item* armour = DragFromGround(ITEM_HOCKEY_ARMOUR);
  DropHud(HUD_ARMOUR);
  EXPECT_EQ(s->bag, Items{knife});
  EXPECT_EQ(s->armour, armour);
  EXPECT_EQ(s->active, armour);
  EXPECT_EQ(s->actionPoints, 0);
  EXPECT_TRUE(Ground().empty());
  EXPECT_EQ(dragState, DRAG_NONE);

  Item* holster = DragFromGround(ITEM_HOLSTER);
  for (int id : {HUD_ACTIVE_ITEM, HUD_HOLSTER}) {  // into the bag, into a slot
    Drag(holster, SRC_GROUND);
    DropHud(id);
  }
  EXPECT_EQ(message, W("Требуется 1 очко действия"));
  EXPECT_EQ(s->holster, nullptr);
  EXPECT_EQ(s->bagCapacity, 4);
  EXPECT_EQ(Ground(), Items{holster});

  s->actionPoints = 1;
  Carry(s, ITEM_DOCTORS_BAG);
  Carry(s, ITEM_NAILS);
  Drag(holster, SRC_GROUND);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->actionPoints, 1);
  EXPECT_EQ(Ground(), Items{holster});
}

// A pick-up from the ground names what was taken, into the bag or a slot, so an earlier refusal does not
// stay on the message line as if the pick-up had failed.
TEST_F(InventoryTest, APickUpNamesTheItemOverAnEarlierRefusal) {
  for (const int target : {int{HUD_BAG_FIRST} + 2, int{HUD_ACTIVE_ITEM}, int{HUD_HOLSTER}}) {
    SCOPED_TRACE(target);
    const int type = target == HUD_HOLSTER ? ITEM_HOLSTER : ITEM_KITCHEN_KNIFE;
    s->actionPoints = 0;
    DragFromGround(type);
    DropHud(target);
    ASSERT_EQ(message, W("Требуется 1 очко действия"));
    s->actionPoints = 1;
    DragFromGround(type);
    DropHud(target);
    EXPECT_EQ(message, ItemName(type));
    EXPECT_EQ(s->actionPoints, 0);
  }
}

// Slots take only their kind, for free from the bag, and only an item that really is in the bag; a
// backpack widens the bag at once, and comes off only while its room is free.
TEST_F(InventoryTest, SlotsTakeOnlyTheirKindForFreeAndABackpackWidensTheBagAtOnce) {
  s->actionPoints = 1;
  Item* pack = Carry(s, ITEM_BACKPACK);
  Item* knife = Carry(s, ITEM_KITCHEN_KNIFE);
  Item* nails = Carry(s, ITEM_NAILS);
  Drag(knife, SRC_BAG);
  DropHud(HUD_ARMOUR);  // the wrong kind: silently nothing
  Ground().push_back(new Item(ITEM_HOCKEY_ARMOUR));
  Drag(Ground().back(), SRC_BAG);  // claims to come from the bag
  DropHud(HUD_ARMOUR);
  EXPECT_EQ(s->armour, nullptr);
  EXPECT_EQ(Ground().size(), 1u);
  Drag(pack, SRC_BAG);
  DropHud(HUD_BACKPACK);
  EXPECT_EQ(s->backpack, pack);
  EXPECT_EQ(s->bagCapacity, 7);
  EXPECT_EQ(s->bag, (Items{knife, nails}));
  EXPECT_EQ(message, W("Рюкзак"));

  Carry(s, ITEM_BIKER_JACKET);
  Item* bag2 = DragFromGround(ITEM_DOCTORS_BAG);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->bag.back(), bag2);
  Drag(pack, SRC_BACKPACK);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->backpack, pack);
  for (int i = 0; i < 2; ++i) {
    Ground().push_back(s->bag.back());
    s->RemoveFromBag(s->bag.back());
  }
  Drag(pack, SRC_BACKPACK);
  DropHud(HUD_BAG_FIRST);
  EXPECT_EQ(s->backpack, nullptr);
  EXPECT_EQ(s->bag, (Items{knife, nails, pack}));
  EXPECT_EQ(s->bagCapacity, 4);
  EXPECT_EQ(s->actionPoints, 0);  // only the pick-up from the ground was paid for
}

// Cycling wraps around, leaves single-action items alone and marks targets again; the action button
// needs points, then reloads or waits for an apply target.
TEST_F(InventoryTest, CyclingWrapsAroundAndTheActionButtonNeedsPoints) {
  Person* z = AddZombie(4, 1);  // three cells away: a shot reaches it, a blow does not
  Item* revolver = s->active = Carry(s, ITEM_REVOLVER);
  gameMap->MarkTargets();
  EXPECT_TRUE(z->targetable);
  CycleAction();
  EXPECT_EQ(revolver->selectedAction, 1);
  EXPECT_FALSE(z->targetable);
  CycleAction();
  CycleAction();
  EXPECT_EQ(revolver->selectedAction, 0);
  s->active = Carry(s, ITEM_KITCHEN_KNIFE);
  CycleAction();
  EXPECT_EQ(s->active->selectedAction, 0);

  s->active = revolver;
  Carry(s, ITEM_CARTRIDGES);
  revolver->selectedAction = 2;  // reload
  revolver->loaded = 5;
  s->actionPoints = 0;
  PressHud(HUD_ACTIVE_ITEM);
  EXPECT_EQ(message, W("Недостаточно очков действия"));
  EXPECT_EQ(revolver->loaded, 5);
  s->actionPoints = 2;
  UseActiveItem();
  EXPECT_EQ(revolver->loaded, 6);
  EXPECT_EQ(s->actionPoints, 1);
  s->active = Carry(s, ITEM_PAINKILLER);
  UseActiveItem();
  EXPECT_EQ(dragState, DRAG_APPLY);
  EXPECT_EQ(s->actionPoints, 1);  // paid when the target is chosen
}

// No press and drop, from either member's side and from the ground, loses or duplicates an item; the bag's
// load stays within its room and the active item is always one the member holds. Without a living
// selection no command changes anything.
TEST_F(InventoryTest, NoPressAndDropLosesOrDuplicatesAnItem) {
  Person* other = AddMember(4, 5);
  s->backpack = new Item(ITEM_BACKPACK);
  s->armour = new Item(ITEM_HOCKEY_ARMOUR);
  s->bagCapacity = 7;
  for (int type : {ITEM_KITCHEN_KNIFE, ITEM_DOCTORS_BAG, ITEM_BIKER_JACKET}) Carry(s, type);
  other->holster = new Item(ITEM_HOLSTER);
  other->bagCapacity = 5;
  Carry(other, ITEM_NAILS);
  for (int type : {ITEM_BACKPACK, ITEM_HOLSTER, ITEM_KITCHEN_KNIFE, ITEM_CAR_KEYS, ITEM_HOCKEY_ARMOUR})
    Ground().push_back(new Item(type));
  const auto start = ItemsInPlay();
  ASSERT_TRUE(NoDuplicates(start));

  std::vector<int> presses = {HUD_BACKPACK, HUD_ARMOUR, HUD_HOLSTER, HUD_KEYS, 0};  // 0: from the ground
  for (int id = HUD_BAG_FIRST; id < HUD_BAG_FIRST + 8; ++id) presses.push_back(id);
  for (int round = 0; round < 4; ++round, selectedMember = 1 - selectedMember) {
    for (int press : presses) {
      for (int drop = HUD_PHOTO_FIRST; drop <= HUD_END_TURN; ++drop) {
        team[selectedMember]->actionPoints = 10;
        if (press == 0 && !Ground().empty()) {
          Drag(Ground()[(round + drop) % Ground().size()], SRC_GROUND);
        } else if (press != 0) {
          PressHud(press);
        }
        if (dragState != DRAG_ITEM) continue;
        DropHud(drop);
        ASSERT_EQ(ItemsInPlay(), start) << press << " onto " << drop;
        for (const Person* p : team) {
          int load = 0;
          for (const Item* item : p->bag) load += item->size;
          ASSERT_EQ(p->bagLoad, load);
          ASSERT_LE(p->bagLoad, p->bagCapacity);
          const Item* a = p->active;
          ASSERT_TRUE(a == p->hands || a == p->armour || a == p->keys || a == p->backpack ||
                      a == p->holster || std::count(p->bag.begin(), p->bag.end(), a) == 1);
        }
      }
    }
  }

  s->alive = 0;
  for (const int selection : {-1, 0, 2}) {  // nobody, a dead member, past the team
    selectedMember = selection;
    const Item* active = s->active;
    const int action = active->selectedAction;
    for (int id = HUD_PHOTO_FIRST; id <= HUD_END_TURN; ++id) {
      if (id >= HUD_PANEL) PressHud(id);  // a press on a photo selects its member
      Drag(s->bag.empty() ? s->hands : s->bag.front(), SRC_BAG);
      DropHud(id);
      CycleAction();
      UseActiveItem();
    }
    EXPECT_EQ(ItemsInPlay(), start);
    EXPECT_EQ(s->active, active);
    EXPECT_EQ(active->selectedAction, action);
    EXPECT_EQ(dragState, DRAG_NONE);
  }
}

}  // namespace
