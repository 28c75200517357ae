// Names on hover: the bag's cells, the slots, the active-item cell, the pop-up list and the photos.
#include "ui/display_hint.h"

#include "app/dump.h"
#include "screen_fixture.h"
#include "ui/hover_hint.h"

namespace {

class DisplayHintTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    member = AddMember(2, 2);
    dead = AddMember(5, 5);
    member->actionPoints = 3;
    member->life = 2;
    member->maximum = 4;
    dead->alive = 0;
    knife = new Item(ITEM_KITCHEN_KNIFE);
    bow = new Item(ITEM_BOW);
    bow->loaded = 7;
    member->bag = {knife, bow};
    member->RecountBag();
    member->armour = new Item(ITEM_HOCKEY_ARMOUR);
    member->active = bow;
    StartGameScreen();
    BuildHudList();
    SelectMember(0);
    ApplyHudEnabling();
  }

  // The hint at the middle of display rectangle `id` of list `gui`.
  static std::string At(SmartGui* gui, int id) {
    for (const SmartGuiRect* r : gui->Rects()) {
      if (r->id == id) return DisplayHint((r->left + r->right) / 2, (r->top + r->bottom) / 2);
    }
    ADD_FAILURE() << "no rectangle " << id;
    return "";
  }

  Person* member = nullptr;
  Person* dead = nullptr;
  Item* knife = nullptr;
  Item* bow = nullptr;
};

// Each bag cell names the item covering it (a big item covers two); slots and the active cell name theirs.
TEST_F(DisplayHintTest, BagCellsSlotsAndTheActiveCellNameTheirItems) {
  const std::string knifeHint = W("Кухонный нож\nУдарить, очки действия: 1");
  const std::string bowHint = W("Лук\nЗаряжено: 7/10\nВыстрел, очки действия: 1");
  EXPECT_EQ(At(hudGui, HUD_BAG_FIRST), knifeHint);
  EXPECT_EQ(At(hudGui, HUD_BAG_FIRST + 1), bowHint);
  EXPECT_EQ(At(hudGui, HUD_BAG_FIRST + 2), bowHint);
  EXPECT_EQ(At(hudGui, HUD_BAG_FIRST + 3), "");  // an empty cell
  EXPECT_EQ(At(hudGui, HUD_ACTIVE_ITEM), bowHint);
  EXPECT_EQ(At(hudGui, HUD_ARMOUR), W("Хоккейная защита"));
  EXPECT_EQ(At(hudGui, HUD_HANDS), W("Руки\nУдарить, очки действия: 1"));
  EXPECT_EQ(At(hudGui, HUD_KEYS), "");  // no keys
  bow->selectedAction = 1;
  EXPECT_EQ(At(hudGui, HUD_ACTIVE_ITEM), W("Лук\nЗаряжено: 7/10\nУдарить, очки действия: 1"));
  Item box(ITEM_AMMO_BOX);
  box.loaded = 5;
  EXPECT_EQ(ItemHint(box), W("Ящик патронов\nПатронов: 5"));
}

// A living member's photo gives name, life and action points; a dead one's, and every other phase, nothing.
TEST_F(DisplayHintTest, PhotosGiveTheMembersFiguresAndOtherPhasesNothing) {
  EXPECT_EQ(At(hudGui, HUD_PHOTO_FIRST), member->DisplayName() + W("\nЖизнь: 2/4\nОчки действия: 3"));
  EXPECT_EQ(At(hudGui, HUD_PHOTO_FIRST + 1), "");
  screenState = PHASE_TEAM_ACTING;
  EXPECT_EQ(At(hudGui, HUD_BAG_FIRST), W("Кухонный нож\nУдарить, очки действия: 1"));
  for (int phase : {PHASE_ZOMBIES_PLAN, PHASE_ZOMBIES_ACTING}) {
    screenState = phase;
    EXPECT_EQ(At(hudGui, HUD_BAG_FIRST), "") << phase;
  }
  screenState = PHASE_INPUT;
  dragState = DRAG_ITEM;
  draggedItem = knife;
  EXPECT_EQ(At(hudGui, HUD_BAG_FIRST + 1), "");  // the dragged item follows the pointer instead
  CancelDrag();
}

// The open pop-up list names each row's item; the dump's hint is the text shown, and reading it changes
// nothing: the display's last hit stays as the frame left it.
TEST_F(DisplayHintTest, PopUpRowsAndTheDump) {
  const int cell = Cell(4, 4);
  Item* gun = new Item(ITEM_PISTOL);
  gun->loaded = 2;
  gameMap->cells[cell].items = {new Item(ITEM_CARTRIDGES), gun};
  BuildPopupList(cell, 200, 150);
  dragState = DRAG_POPUP;
  EXPECT_EQ(At(popupGui, 0), W("Патроны"));
  EXPECT_EQ(At(popupGui, 1), W("Пистолет\nЗаряжено: 2/7\nВыстрел, очки действия: 1"));
  EXPECT_EQ(At(popupGui, -1), "");  // the rest of the screen
  CancelDrag();

  hudGui->HitTest(100, 100);  // the map: nothing hit
  ASSERT_FALSE(hudGui->WasHit());
  for (const SmartGuiRect* r : hudGui->Rects()) {
    if (r->id != HUD_BAG_FIRST) continue;
    mouseX = r->left + 2;
    mouseY = r->top + 2;
  }
  const nlohmann::json dump = DumpState(1);
  EXPECT_EQ(dump["hint"], "Кухонный нож\nУдарить, очки действия: 1");
  EXPECT_FALSE(dump.contains("killChance"));
  EXPECT_FALSE(hudGui->WasHit());
  EXPECT_EQ(HoverHint(mouseX, mouseY).cell, -1);
}

}  // namespace
