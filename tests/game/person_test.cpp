// Person: members by profession and trait, slots, bag trimming, names and the bag operations.
#include "game/person.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "game/messages.h"
#include "rules_fixture.h"

namespace {

class PersonTest : public RulesTest {
 protected:
  // A member with nothing drawn: profession 11 gives no text and no items.
  Person* Plain() { return Keep(new Person(100, 0, 11, 0, 0)); }
  // Puts items straight into a bag, as the rules would have.
  static void Stock(Person* p, const std::vector<int>& types) {
    for (int type : types) p->bag.push_back(new Item(type));
    p->RecountBag();
  }
};

// The rules draw in a fixed order (the numbers fed say what each draw gives, and all are used). Armour,
// holster and backpack move into free slots and widen the bag; what then does not fit is thrown away at
// random; a soldier skips the shooting trait; the weakling trait spares forest folk.
TEST_F(PersonTest, ProfessionAndTraitRulesDrawInOrder) {
  const int r1 = Roll(0.1), r5 = Roll(0.5), r9 = Roll(0.9);
  const struct {
    int profession, trait;
    std::vector<int> feed, bag;
    std::array<int, 3> slots;  // armour, holster and backpack types, -1 empty
    std::vector<int32_t> skills;
    int capacity, load, life;
  } cases[] = {
      // clang-format off
      {11, 0, {}, {}, {-1, -1, -1}, {}, 4, 0, 4},  // 0 nobody
      // 1 biker, chain, jacket, hockey armour
      {9, 10, {1, 0}, {ITEM_CHAIN, ITEM_HOCKEY_ARMOUR}, {ITEM_BIKER_JACKET, -1, -1}, {SKILL_CHAIN}, 4, 3, 4},
      // 2 policeman
      {5, 0, {1, 0, r1, 2, r1, r1, r1, 5},
       {ITEM_PISTOL, ITEM_SHOTGUN}, {-1, ITEM_HOLSTER, -1}, {SKILL_PISTOL}, 5, 3, 4},
      // 3 postman with two backpacks
      {4, 0, {1, r1, 1}, {ITEM_BACKPACK}, {-1, -1, ITEM_BACKPACK}, {}, 7, 2, 4},
      // 4 axe, club, revolver: club out
      {4, 9, {21, r1, 22, 0, 3, 1}, {ITEM_AXE, ITEM_REVOLVER}, {-1, -1, -1}, {}, 4, 3, 4},
      // 5 doctor with first aid: twice
      {2, 3, {0, 4}, {}, {-1, -1, -1}, {SKILL_HEALING, SKILL_HEALING}, 4, 0, 4},
      // 6 detective who cannot drive
      {6, 11, {}, {}, {-1, -1, -1}, {SKILL_DETECTIVE, SKILL_CANNOT_DRIVE}, 4, 0, 4},
      // 7 soldier: no shooting trait
      {1, 6, {0, r5, r5}, {}, {-1, -1, -1}, {}, 4, 0, 4},
      // 8 cook: the shooting trait
      {0, 6, {0, r9}, {}, {-1, -1, -1}, {SKILL_KNIVES, SKILL_REVOLVER, SKILL_PISTOL}, 4, 0, 4},
      // 9 weak detective
      {6, 12, {}, {}, {-1, -1, -1}, {SKILL_DETECTIVE, SKILL_FEEBLE}, 4, 0, 3},
      // 10 forester: never weak
      {7, 12, {0, 2}, {}, {-1, -1, -1}, {}, 4, 0, 4},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(made.size());
    Numbers().assign(c.feed.begin(), c.feed.end());
    Person* p = Keep(new Person(100, 0, c.profession, 0, c.trait));
    EXPECT_EQ(Unused(), 0u);
    EXPECT_EQ(Types(p->bag), c.bag);
    const Item* slots[3] = {p->armour, p->holster, p->backpack};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(slots[i] == nullptr ? -1 : slots[i]->type, c.slots[i]) << i;
    EXPECT_EQ(p->skills, c.skills);
    EXPECT_EQ((std::vector<int>{p->bagCapacity, p->bagLoad, p->life, p->maximum, p->actionPoints}),
              (std::vector<int>{c.capacity, c.load, c.life, c.life, c.life}));
    EXPECT_EQ(p->active, p->bag.empty() ? p->hands : p->bag[0]);
  }
  // Names list every skill, even twice; descriptions add the trait's text after the profession's.
  EXPECT_EQ(made[0]->description, "\n");
  EXPECT_EQ(made[5]->DisplayName(), W("Сергей (Лечение, Лечение)"));
  EXPECT_EQ(made[6]->DisplayName(), W("Сергей (Детектив, Не умеет водить)"));
  EXPECT_EQ(made[8]->description,
            W("Повар. Хорошо владеет ножами.\nЗанял первое место на соревнованиях по стрельбе."));
  EXPECT_EQ(made[9]->description,
            W("Детектив. Поможет ли цепкий глаз и хорошая память против зомби?\nДистрофик."));
}

TEST_F(PersonTest, PlainMemberHasHandsASearchFlagPerSpotAndTheLastNameForUnknownNumbers) {
  searchSpotCount = 3;
  Person* p = Plain();
  EXPECT_EQ(p->hands->type, ITEM_HANDS);
  EXPECT_EQ(p->searchable, std::vector<bool>(3, true));
  for (int number : {8, -1}) {
    p->firstName = number;
    EXPECT_EQ(p->FirstName(), W("Игорь"));
  }
}

// Room is checked by source; a backpack or holster taken out of its slot takes its extra room with it.
TEST_F(PersonTest, PutIntoBagChecksRoomBySource) {
  const struct {
    int source, type, capacity;
    std::vector<int> stock;
    bool fits;
    int capacityAfter;
  } cases[] = {
      {SRC_GROUND, ITEM_AXE, 4, {ITEM_KITCHEN_KNIFE, ITEM_AXE}, false, 4},           // two cells into one
      {SRC_ELSEWHERE, ITEM_FRYING_PAN, 4, {ITEM_KITCHEN_KNIFE, ITEM_AXE}, true, 4},  // exactly full
      {-1, ITEM_FRYING_PAN, 4, {}, false, 4},
      {SRC_BACKPACK, ITEM_BACKPACK, 7, {ITEM_KITCHEN_KNIFE, ITEM_AXE}, false, 7},  // 3 + 2 > 7 - 3
      {SRC_BACKPACK, ITEM_BACKPACK, 7, {ITEM_AXE}, true, 4},                       // 2 + 2 <= 7 - 3
      {SRC_HOLSTER, ITEM_HOLSTER, 5, {ITEM_AXE, ITEM_FRYING_PAN}, true, 4},
      {SRC_ARMOUR, ITEM_BIKER_JACKET, 4, {ITEM_AXE}, true, 4},
      {SRC_KEYS, ITEM_CAR_KEYS, 4, {ITEM_AXE, ITEM_FRYING_PAN}, true, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "source " << c.source << " with " << c.stock.size() << " items");
    Person* p = Plain();
    Item** slots[] = {nullptr, nullptr, nullptr, &p->backpack, &p->holster, &p->armour, &p->keys};
    Item** slot = c.source >= SRC_BACKPACK && c.source <= SRC_KEYS ? slots[c.source] : nullptr;
    auto item = std::make_unique<Item>(c.type);
    if (slot != nullptr) *slot = item.get();
    p->bagCapacity = static_cast<int16_t>(c.capacity);
    Stock(p, c.stock);
    const int load = p->bagLoad;
    EXPECT_EQ(p->PutIntoBag(item.get(), c.source), c.fits);
    EXPECT_EQ(slot != nullptr && *slot == nullptr, slot != nullptr && c.fits);
    EXPECT_EQ(p->bagCapacity, c.capacityAfter);
    EXPECT_EQ(p->bagLoad, c.fits ? load + item->size : load);
    if (c.fits || slot != nullptr) item.release();  // the person holds it now
  }
  // No item goes nowhere; picking an item in the own bag makes it active and names it.
  Person* p = Plain();
  Stock(p, {ITEM_KITCHEN_KNIFE, ITEM_AXE});
  EXPECT_FALSE(p->PutIntoBag(nullptr, SRC_GROUND));
  ShowMessage("");
  EXPECT_FALSE(p->PutIntoBag(p->bag[1], SRC_BAG));
  EXPECT_EQ(p->active, p->bag[1]);
  EXPECT_EQ(message, W("Топор"));
  EXPECT_EQ(p->bag.size(), 2u);
}

TEST_F(PersonTest, RemoveFromBagKeepsOrderAndFallsBackToHands) {
  Person* p = Plain();
  Stock(p, {ITEM_KITCHEN_KNIFE, ITEM_AXE, ITEM_FRYING_PAN});
  Item* axe = p->bag[1];
  p->active = axe;
  p->RemoveFromBag(axe);
  EXPECT_EQ(p->active, p->hands);
  EXPECT_EQ(Types(p->bag), (std::vector<int>{ITEM_KITCHEN_KNIFE, ITEM_FRYING_PAN}));
  EXPECT_EQ(p->bagLoad, 2);
  delete axe;
  Item stranger(ITEM_KITCHEN_KNIFE);
  p->RemoveFromBag(&stranger);
  EXPECT_EQ(p->bagLoad, 2);
}

TEST_F(PersonTest, HasSkillLooksOnlyAtExistingMembers) {
  Person* p = Plain();
  p->skills = {SKILL_DETECTIVE};
  team = {p};
  EXPECT_TRUE(HasSkill(0, SKILL_DETECTIVE));
  EXPECT_FALSE(HasSkill(0, SKILL_HEALING));
  EXPECT_FALSE(HasSkill(1, SKILL_DETECTIVE));
  EXPECT_FALSE(HasSkill(-1, SKILL_DETECTIVE));
}

}  // namespace
