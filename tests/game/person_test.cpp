// Person: construction of zombies and members, slots, bag trimming, names and the bag operations.
#include "game/person.h"

#include <gtest/gtest.h>

#include "engine/sprite.h"
#include "game/cell_size.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/roster.h"
#include "rules_fixture.h"

namespace {

class PersonTest : public RulesTest {
 protected:
  void TearDown() override {
    for (Person* p : made) DeletePerson(p);
    RulesTest::TearDown();
  }
  // A member with nothing drawn: profession 11 gives no text and no items.
  Person* Plain(int firstName = 0) { return Keep(new Person(100, firstName, 11, 0, 0)); }
  Person* Keep(Person* p) {
    made.push_back(p);
    return p;
  }
  // Puts items straight into a bag, as the rules would have.
  static void Stock(Person* p, const std::vector<int>& types) {
    for (int type : types) p->bag.push_back(new Item(type));
    p->RecountBag();
  }
  std::vector<Person*> made;
};

std::vector<int> Types(const std::vector<Item*>& items) {
  std::vector<int> types;
  for (const Item* item : items) types.push_back(item->type);
  return types;
}

TEST_F(PersonTest, ZombieConstruction) {
  Feed({2});  // 1 + 2 mod 4
  Person* z = Keep(new Person(105));
  EXPECT_EQ(z->isZombie, 1);
  EXPECT_EQ(z->direction, 3);
  EXPECT_EQ(z->life, 1);
  EXPECT_EQ(z->maximum, 1);
  EXPECT_EQ(z->actionPoints, 2);
  EXPECT_EQ(z->active, nullptr);
  EXPECT_EQ(z->sprite->GetTexture(), 105u);
  EXPECT_EQ(FrameOf(*z), std::make_pair(0, 0));
}

TEST_F(PersonTest, PlainMemberHasHandsAndNoBrackets) {
  searchSpotCount = 3;
  Person* p = Plain(2);
  EXPECT_EQ(p->alive, 1);
  EXPECT_EQ(p->life, 4);
  EXPECT_EQ(p->maximum, 4);
  EXPECT_EQ(p->actionPoints, 4);
  EXPECT_EQ(p->bagCapacity, 4);
  EXPECT_EQ(p->bagLoad, 0);
  ASSERT_NE(p->hands, nullptr);
  EXPECT_EQ(p->hands->type, 1);
  EXPECT_EQ(p->active, p->hands);
  EXPECT_EQ(p->description, "\n");
  EXPECT_EQ(p->DisplayName(), W("Володя"));
  p->firstName = 8;
  EXPECT_EQ(p->FirstName(), W("Игорь"));  // any other number
  EXPECT_EQ(p->searchable, std::vector<bool>(3, true));
  EXPECT_EQ(Unused(), 0u);
}

TEST_F(PersonTest, DisplayNameListsEverySkillEvenTwice) {
  Feed({0, 4});  // doctor: first text, no items
  Person* doctor = Keep(new Person(100, 3, 2, 0, 3));
  EXPECT_EQ(doctor->skills, (std::vector<int32_t>{3, 3}));
  EXPECT_EQ(doctor->DisplayName(), W("Антон (Лечение, Лечение)"));
  Person* detective = Keep(new Person(100, 0, 6, 0, 11));
  EXPECT_EQ(detective->DisplayName(), W("Сергей (Детектив, Не умеет водить)"));
}

TEST_F(PersonTest, ArmourBackpackAndHolsterMoveIntoFreeSlots) {
  // Biker with the chain and the jacket, and the hockey armour from his trait.
  Feed({1, 0});
  Person* p = Keep(new Person(100, 0, 9, 0, 10));
  ASSERT_NE(p->armour, nullptr);
  EXPECT_EQ(p->armour->type, 5);
  EXPECT_EQ(Types(p->bag), (std::vector<int>{17, 4}));  // the second armour stays in the bag
  EXPECT_EQ(p->bagCapacity, 4);
  EXPECT_EQ(p->bagLoad, 3);
  EXPECT_EQ(p->active, p->bag[0]);
}

TEST_F(PersonTest, PolicemanHolsterWidensTheBag) {
  // Second text; service pistol (loaded 2) with holster, the skill, and a shotgun (loaded 5).
  Feed({1, 0, Roll(0.1), 2, Roll(0.1), Roll(0.1), Roll(0.1), 5});
  Person* p = Keep(new Person(100, 0, 5, 0, 0));
  EXPECT_EQ(Unused(), 0u);
  EXPECT_EQ(p->description, W("Полицейский. Старое ранение болит... ох не к добру это.\n"));
  ASSERT_NE(p->holster, nullptr);
  EXPECT_EQ(p->holster->type, 2);
  EXPECT_EQ(p->bagCapacity, 5);
  EXPECT_EQ(Types(p->bag), (std::vector<int>{42, 47}));
  EXPECT_EQ(p->bagLoad, 3);
  EXPECT_EQ(p->skills, (std::vector<int32_t>{2}));
}

TEST_F(PersonTest, PostmanWithTwoBackpacks) {
  Feed({1, Roll(0.1), 1});  // pick(2..34) = 3 twice
  Person* p = Keep(new Person(100, 0, 4, 0, 0));
  ASSERT_NE(p->backpack, nullptr);
  EXPECT_EQ(p->backpack->type, 3);
  EXPECT_EQ(p->bagCapacity, 7);
  EXPECT_EQ(Types(p->bag), (std::vector<int>{3}));
  EXPECT_EQ(p->bagLoad, 2);
  EXPECT_EQ(p->active, p->bag[0]);
  EXPECT_EQ(Unused(), 0u);
}

TEST_F(PersonTest, OverfullBagIsTrimmedAtRandom) {
  // A postman with an axe and a golf club, and a revolver from trait 9: 5 cells in a bag of 4.
  Feed({21, Roll(0.1), 22, 0, 3, 1});  // finds 23 and 24, revolver 41 loaded 3, throw away index 1
  Person* p = Keep(new Person(100, 0, 4, 0, 9));
  EXPECT_EQ(Types(p->bag), (std::vector<int>{23, 41}));
  EXPECT_EQ(p->bag[1]->loaded, 3);
  EXPECT_EQ(p->bagLoad, 3);
  EXPECT_EQ(p->active->type, 23);
  EXPECT_EQ(Unused(), 0u);

  Feed({21, Roll(0.1), 22, 0, 3, 2});  // the same, throwing away the revolver
  Person* q = Keep(new Person(100, 1, 4, 1, 9));
  EXPECT_EQ(Types(q->bag), (std::vector<int>{23, 24}));
  EXPECT_EQ(q->bagLoad, 4);
  EXPECT_EQ(Unused(), 0u);
}

TEST_F(PersonTest, PutIntoBagChecksRoomBySource) {
  Person* p = Plain();
  Stock(p, {13, 23});  // 3 of 4 cells
  Item axe(23);
  EXPECT_FALSE(p->PutIntoBag(&axe, SRC_GROUND));  // two cells into one
  EXPECT_EQ(p->bagLoad, 3);
  EXPECT_EQ(p->bag.size(), 2u);
  Item pan(15);
  EXPECT_TRUE(p->PutIntoBag(&pan, SRC_ELSEWHERE));  // exactly full
  EXPECT_EQ(p->bagLoad, 4);
  p->bag.pop_back();
  p->RecountBag();

  EXPECT_FALSE(p->PutIntoBag(nullptr, SRC_GROUND));
  EXPECT_FALSE(p->PutIntoBag(&pan, 7));
  EXPECT_FALSE(p->PutIntoBag(&pan, -1));
  EXPECT_EQ(p->bag.size(), 2u);

  // Picking an item in the own bag makes it active and names it.
  ShowMessage("");
  EXPECT_FALSE(p->PutIntoBag(p->bag[1], SRC_BAG));
  EXPECT_EQ(p->active, p->bag[1]);
  EXPECT_EQ(message, W("Топор"));
  EXPECT_EQ(p->bag.size(), 2u);
}

TEST_F(PersonTest, SlotItemsNeedRoomWithoutTheirOwnExtraCells) {
  struct Case {
    int source, type, capacity;
    std::vector<int> stock;
    bool fits;
    int capacityAfter;
  };
  const Case cases[] = {
      {SRC_BACKPACK, 3, 7, {13, 23}, false, 7},  // 3 + 2 > 7 - 3
      {SRC_BACKPACK, 3, 7, {23}, true, 4},       // 2 + 2 <= 7 - 3
      {SRC_HOLSTER, 2, 5, {23, 15, 16}, false, 5}, {SRC_HOLSTER, 2, 5, {23, 15}, true, 4},
      {SRC_ARMOUR, 5, 4, {23, 15}, false, 4},      {SRC_ARMOUR, 5, 4, {23}, true, 4},
      {SRC_KEYS, 0, 4, {23, 15}, true, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "source " << c.source << " with " << c.stock.size() << " items");
    Person* p = Plain();
    Item** slots[] = {nullptr, nullptr, nullptr, &p->backpack, &p->holster, &p->armour, &p->keys};
    Item* item = new Item(c.type);
    *slots[c.source] = item;
    p->bagCapacity = static_cast<int16_t>(c.capacity);
    Stock(p, c.stock);
    const int load = p->bagLoad;
    EXPECT_EQ(p->PutIntoBag(item, c.source), c.fits);
    EXPECT_EQ(*slots[c.source] == nullptr, c.fits);
    EXPECT_EQ(p->bagCapacity, c.capacityAfter);
    EXPECT_EQ(p->bagLoad, c.fits ? load + item->size : load);
  }
}

TEST_F(PersonTest, RemoveFromBagKeepsOrderAndFallsBackToHands) {
  Person* p = Plain();
  Stock(p, {13, 23, 15});
  Item* axe = p->bag[1];
  p->active = axe;
  p->RemoveFromBag(axe);
  EXPECT_EQ(p->active, p->hands);
  EXPECT_EQ(Types(p->bag), (std::vector<int>{13, 15}));
  EXPECT_EQ(p->bagLoad, 2);
  delete axe;

  Item stranger(13);
  p->RemoveFromBag(&stranger);
  EXPECT_EQ(p->bag.size(), 2u);
  EXPECT_EQ(p->bagLoad, 2);
}

TEST_F(PersonTest, HasSkillLooksOnlyAtExistingMembers) {
  Person* p = Plain();
  p->skills = {7};
  team = {p};
  EXPECT_TRUE(HasSkill(0, 7));
  EXPECT_FALSE(HasSkill(0, 3));
  EXPECT_FALSE(HasSkill(1, 7));
  EXPECT_FALSE(HasSkill(-1, 7));
}

TEST_F(PersonTest, DrawPlacesTheSpriteByCellViewAndOffset) {
  Person* p = Plain();
  p->x = 3;
  p->y = 2;
  p->drawX = -11.0f;
  p->drawY = -60.0f;
  Engine().ClearRecords();
  p->Draw(10.0f, 5.0f, 40, 30);
  ASSERT_EQ(Engine().quads.size(), 1u);
  EXPECT_FLOAT_EQ(Engine().quads[0].v[0].x, 3 * 40 - 10.0f - 11.0f);
  EXPECT_FLOAT_EQ(Engine().quads[0].v[0].y, 2 * 30 - 5.0f - 60.0f);
}

}  // namespace
