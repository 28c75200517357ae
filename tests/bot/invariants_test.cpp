// Invariant checks: a consistent game passes, and each kind of broken state is named; drawing cells that
// change hands between two stepping zombies stay registered.
#include "app/bot/invariants.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/game_frame.h"
#include "app/screens.h"
#include "app/selection.h"
#include "config/settings.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "support/fake_engine.h"

namespace {

// A 6 x 4 map of open floor with 32-pixel cells and no spots.
std::string OpenMap() {
  const std::string open(24, '(');
  const std::string none(24, '\'');
  return "6 4 32 32 0 0\n0\n0\n" + open + "\n" + open + "\n" + open + "\n" + none + "\n" + none + "\n";
}

class Invariants : public ::testing::Test {
 protected:
  void SetUp() override {
    hgeInstall(&fake);
    hge = &fake;
    LoadSettings(&fake);
    if (Phrases().empty()) LoadPhrases();
    std::filesystem::create_directories(DH_TEST_TMP);
    // One file per process: CTest runs these tests side by side.
    const std::string path = std::string(DH_TEST_TMP) + "/bot_map_" + std::to_string(getpid()) + ".dhm";
    std::ofstream(path, std::ios::binary) << OpenMap();
    delete gameMap;
    SetGameMap(new Map(path));
    gameMap->zombieCount = 4;
    team.clear();
    zombies.clear();
    CancelDrag();
    selectedMember = -1;
    currentScreen = Screen::Game;
    screenState = PHASE_INPUT;
  }
  void TearDown() override {
    team.clear();
    zombies.clear();
    hge = nullptr;
    hgeInstall(nullptr);
  }

  // A figure standing and drawn at (x, y), registered in the map.
  Person* Place(Person* p, int x, int y) {
    const bool zombie = p->isZombie != 0;
    const int index = static_cast<int>(zombie ? zombies.size() : team.size());
    p->x = x;
    p->y = y;
    p->cell = p->secondCell = static_cast<int16_t>(gameMap->CellIndex(x, y));
    map_cell_struct& cell = gameMap->cells[p->cell];
    (zombie ? cell.zombieHere : cell.memberHere) = static_cast<int16_t>(index);
    (zombie ? cell.zombieBound : cell.memberBound) = static_cast<int16_t>(index);
    (zombie ? zombies : team).push_back(p);
    return p;
  }
  Person* Member(int x, int y) { return Place(new Person(HTEXTURE{5}, 0, 11, 0, 0), x, y); }
  Person* Zombie(int x, int y) { return Place(new Person(HTEXTURE{6}), x, y); }

  // The violations of one check after the frame's map is drawn, joined; `afterDrawing` changes the state
  // between the drawing and the check.
  std::string Violations(const std::function<void()>& afterDrawing = nullptr) {
    UpdateZombieReach();  // as the game frame does while the player commands
    fake.Gfx_BeginScene(0);
    gameMap->Draw(false);
    fake.Gfx_EndScene();
    if (afterDrawing) afterDrawing();
    std::string all;
    for (const std::string& v : checker.Check(++frame)) all += v + "\n";
    return all;
  }

  FakeEngine fake;
  InvariantChecker checker;
  int frame = 0;
};

TEST_F(Invariants, AConsistentGameHoldsAndEveryCheckIsCounted) {
  Person* a = Member(1, 1);
  a->bag.push_back(new Item(ITEM_KITCHEN_KNIFE));
  a->RecountBag();
  Member(4, 2);
  Zombie(3, 3);
  gameMap->cells[0].items.push_back(new Item(ITEM_NAILS));
  selectedMember = 0;
  EXPECT_EQ(Violations(), "");
  EXPECT_EQ(Violations(), "");
  EXPECT_GT(checker.Checks(), 40);
}

TEST_F(Invariants, FiguresOutOfStepWithTheirCellsAndBrokenBagsAreNamed) {
  Person* a = Member(1, 1);
  Zombie(3, 3);
  Zombie(4, 3);
  a->cell = static_cast<int16_t>(gameMap->CellIndex(2, 1));  // moved without telling the map
  gameMap->cells[gameMap->CellIndex(5, 0)].zombieHere = 2;   // an index past the zombie list
  gameMap->cells[gameMap->CellIndex(4, 3)].memberHere = 0;   // a member and a zombie in one cell
  a->bag.push_back(new Item(ITEM_KITCHEN_KNIFE));
  a->bagLoad = 3;
  a->holster = new Item(ITEM_HOLSTER);  // capacity not raised
  a->active = new Item(ITEM_PISTOL);    // held by nobody
  const std::string v = Violations();
  for (const char* finding : {"member 0 is not registered in its cell 8 (2,1)", "cell 5 (5,0) names zombie 2",
                              "holds member 0 and zombie 1 at once", "member 0 has bagLoad 3 but carries 1",
                              "member 0 has capacity 4 instead of 5", "active item is neither"}) {
    EXPECT_NE(v.find(finding), std::string::npos) << finding << " in\n" << v;
  }
}

TEST_F(Invariants, ItemsMayNeitherDoubleNorVanishNorAppearUnlessARuleSaysSo) {
  Person* a = Member(1, 1);
  Item* knife = new Item(ITEM_KITCHEN_KNIFE);
  Item* kit = new Item(ITEM_ANTIBIOTICS);
  a->bag = {knife, kit};
  a->RecountBag();
  ASSERT_EQ(Violations(), "");
  gameMap->cells[0].items.push_back(knife);
  EXPECT_NE(Violations().find("is in two places: bag of 0 and ground of 0"), std::string::npos);
  gameMap->cells[0].items.clear();
  a->RemoveFromBag(knife);
  EXPECT_NE(Violations().find("of type 13 vanished from the bag of 0"), std::string::npos);
  // Antibiotics used up: the rule reports it in the same frame.
  a->RemoveFromBag(kit);
  ShowPhrase(PHRASE_KIT_USED_UP);
  EXPECT_EQ(Violations(), "");
  // Items turn up only in a searcher's cell.
  gameMap->cells[0].items.push_back(new Item(ITEM_TORCH));
  EXPECT_NE(Violations().find("appeared in the ground of 0 without a search"), std::string::npos);
  gameMap->cells[a->cell].items.push_back(new Item(ITEM_TORCH));
  EXPECT_EQ(Violations(), "");
}

TEST_F(Invariants, TheDragAndThePhasesFollowTheGamesRules) {
  Person* a = Member(1, 1);
  selectedMember = 0;
  dragState = DRAG_ITEM;
  dragSource = SRC_BAG;
  draggedItem = new Item(ITEM_KITCHEN_KNIFE);  // not in the bag it is said to come from
  EXPECT_NE(Violations().find("dragged item is not where its source 1 says"), std::string::npos);
  CancelDrag();
  screenState = PHASE_TEAM_ACTING;
  a->AddAction(PA_STEP_UP, 0, 0, true);
  EXPECT_EQ(Violations(), "");
  screenState = PHASE_ZOMBIES_PLAN;
  const std::string v = Violations();
  EXPECT_NE(v.find("turn phase went from 1 to 2"), std::string::npos) << v;
  EXPECT_NE(v.find("member 0 has actions queued in phase 2"), std::string::npos) << v;
}

// Only the selected member's own death takes the selection away; another member's death keeps it.
TEST_F(Invariants, OnlyTheSelectedMembersOwnDeathTakesTheSelection) {
  Person* a = Member(1, 1);
  Person* b = Member(4, 2);
  auto die = [](Person* p) {
    p->alive = 0;
    gameMap->cells[p->cell].memberHere = -1;
  };
  selectedMember = 0;
  ASSERT_EQ(Violations(), "");
  die(b);
  selectedMember = -1;
  EXPECT_NE(Violations().find("member 0 lost the selection while alive"), std::string::npos);
  selectedMember = 0;
  ASSERT_EQ(Violations(), "");
  die(a);
  selectedMember = -1;
  EXPECT_EQ(Violations(), "");
}

TEST_F(Invariants, ErrorBoxesAndATurnThatNeverEndsAreReported) {
  Member(1, 1);
  fake.System_ErrorBox("Unknown action");
  EXPECT_NE(Violations().find("the game showed an error box: Unknown action"), std::string::npos);
  screenState = PHASE_TEAM_ACTING;
  std::string v;
  for (int i = 0; i < 10001; ++i) v += Violations();
  EXPECT_EQ(v, "frame 10001: the game has not given the input back for 10000 frames (phase 1)\n");
}

TEST_F(Invariants, AnEndWithLivingMembersMustBeAnEscape) {
  Member(1, 1);
  gameMap->escapeX = 5;
  gameMap->escapeY = 3;
  ASSERT_EQ(Violations(), "");
  currentScreen = Screen::End;
  EXPECT_NE(Violations().find("the game ended won from phase 0 with nobody on the escape cell"),
            std::string::npos);
}

// A zombie stepping into the cell another one is leaving may finish its first half first: when the leaving
// one then moves on, the newcomer must stay registered as drawn there.
TEST_F(Invariants, ADrawingCellHandedOverBetweenTwoSteppingZombiesStaysRegistered) {
  screenState = PHASE_ZOMBIES_ACTING;
  Person* climber = Zombie(2, 2);
  Person* walker = Zombie(2, 3);
  const int middle = gameMap->CellIndex(2, 2);
  // Both have moved their occupied cells: the climber up, the walker into the climber's old cell.
  climber->cell = static_cast<int16_t>(gameMap->CellIndex(2, 1));
  walker->cell = static_cast<int16_t>(middle);
  gameMap->cells[climber->cell].zombieHere = 0;
  gameMap->cells[middle].zombieHere = 1;
  gameMap->cells[walker->secondCell].zombieHere = -1;
  climber->AddAction(PA_CLIMB_UP_END, 0, 0, true);
  walker->AddAction(PA_STEP_UP_END, 0, 0, true);
  ApplyZombieResult(1, PA_STEP_UP);  // the walker's first half ends first
  EXPECT_EQ(Violations(), "");
  ApplyZombieResult(0, PA_CLIMB_UP);  // then the climber's
  EXPECT_EQ(gameMap->cells[middle].zombieBound, 1);
  EXPECT_EQ(gameMap->cells[climber->cell].zombieBound, 0);
  EXPECT_EQ(Violations(), "");
}

// Every figure on the map, the fallen included, must be in the frame's picture where it stands: one drawn
// elsewhere, in another frame of its sheet, or not at all is named.
TEST_F(Invariants, AFigureMissingFromTheFramesPictureIsNamed) {
  Member(1, 1);
  Person* fallen = Member(2, 1);
  fallen->alive = 0;
  gameMap->cells[fallen->cell].memberHere = -1;
  Person* z = Zombie(3, 3);
  EXPECT_EQ(Violations(), "");
  EXPECT_EQ(Violations([z] { z->drawX += 5.0f; }), "frame 2: zombie 0 is not drawn in the frame\n");
  z->drawX -= 5.0f;
  EXPECT_EQ(Violations([z] { z->ShowFrame(4, 2); }), "frame 3: zombie 0 is not drawn in the frame\n");
  EXPECT_EQ(Violations([fallen] { fallen->sprite->SetTexture(HTEXTURE{7}); }),
            "frame 4: member 1 is not drawn in the frame\n");
  // A figure made before its sheet was loaded (a game continued at start-up once did that) is a blank.
  EXPECT_EQ(Violations([z] { z->sprite->SetTexture(0); }), "frame 5: zombie 0 is drawn without its picture\n");
}

// While the player commands, the reach must be that of the figures where they stand, and a frame shows one
// mark per cell of it exactly while it is switched on.
TEST_F(Invariants, AStaleOrUndrawnZombieReachIsNamed) {
  Member(1, 1);
  Zombie(3, 3);
  screenState = PHASE_INPUT;
  EXPECT_EQ(Violations(), "");
  const size_t cells = zombieReachCells.size();
  ASSERT_GT(cells, 0u);
  EXPECT_EQ(Violations([] { zombieReachCells.pop_back(); }), "frame 2: the zombie reach is not up to date\n");
  ForgetZombieReach();
  zombieReachShown = true;
  const std::string shown = Violations();
  zombieReachShown = false;
  EXPECT_EQ(shown, "frame 3: the frame shows 0 reach marks for " + std::to_string(zombieReachCells.size()) +
                       " cells\n");
}

}  // namespace
