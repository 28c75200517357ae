// The screen tests' shared set-up: the fake engine, the test layout, maps and figures.
#include "screen_fixture.h"

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/world.h"

namespace {

// Positions and texture rectangles chosen so that no two clickable areas or pictures coincide.
const char* const kLayout = R"(
PASS_TX=0 PASS_TY=600 PASS_W=200 PASS_H=100 PASS_X=10 PASS_Y=10 PASS_Y_STEP=110 PASS_MAN1_X=300
PASS_MAN1_Y=150 PASS_MAN2_X=550 PASS_MAN2_Y=150 PASS_ADD_X=300 PASS_ADD_Y=500 PASS_ADD_W=100 PASS_ADD_H=40
PASS_ADD_TX=500 PASS_ADD_TY=700 PASS_START_X=450 PASS_START_Y=500 PASS_START_W=100 PASS_START_H=40
PASS_START_TX=500 PASS_START_TY=750 PASS_T_SHOW_TWO=0.5 PASS_T_ADD_ONE=0.5 PASS_DARK_QUAD_COLOR=170
PASS_PHOTO_NUM=5 PASS_PHOTO_TX=0 PASS_PHOTO_TY=700 PASS_PHOTO_W=60 PASS_PHOTO_H=80 LIFEBAR_CADR=5 LIFEBAR_TX=0
LIFEBAR_TY=800 LIFEBAR_W=60 LIFEBAR_H=10 INTER_PHOTO_X=700 INTER_PHOTO_Y=20 INTER_PHOTO_STEP=110
INTER_INV_TX=0 INTER_INV_TY=600 INTER_INV_W=560 INTER_INV_H=130 INTER_INV_X=20 INTER_ITEM_SMALL_TX=0
INTER_ITEM_SMALL_TY=800 INTER_ITEM_SMALL_W=40 INTER_ITEM_SMALL_H=40 INTER_ITEM_BIG_TX=100
INTER_ITEM_BIG_TY=850 INTER_ITEM_BIG_W=84 INTER_ITEM_BIG_H=40 INTER_INV_ITEMS_X=10 INTER_INV_ITEMS_Y=10
INTER_INV_ITEMS_STEP=44 INTER_INV_ACT_ITEM_X=380 INTER_INV_ACT_ITEM_Y=10 INTER_INV_ARMOR_X=10
INTER_INV_ARMOR_Y=60 INTER_INV_BAG_X=100 INTER_INV_BAG_Y=60 INTER_INV_HANDS_X=190 INTER_INV_HANDS_Y=60
INTER_INV_HOLSTER_X=280 INTER_INV_HOLSTER_Y=60 INTER_INV_KEYS_X=330 INTER_INV_KEYS_Y=60 END_BUTTON_TX=300
END_BUTTON_TY=800 END_BUTTON_W=100 END_BUTTON_H=50 END_BUTTON_X=690 END_BUTTON_Y=540 HEAL_TOKEN_TX=400
HEAL_TOKEN_TY=800 HEAL_TOKEN_W=20 HEAL_TOKEN_H=20 HEAL_TOKEN_X=10 HEAL_TOKEN_Y=10 PATH_FINDING_CICLES=1000
ZOMBIE_PROPORTION=2 ESCAPE_TOKEN_TX=500 ESCAPE_TOKEN_TY=900 ESCAPE_TOKEN_W=20 ESCAPE_TOKEN_H=20
TURN_BANNER_TX=600 TURN_BANNER_TY=900 TURN_BANNER_W=100 TURN_BANNER_H=50
)";

std::deque<int> numbers;  // what Feed queued for the random source

int NextNumber() {
  if (numbers.empty()) return rand();
  const int n = numbers.front();
  numbers.pop_front();
  return n;
}

const char* SectionOf(const std::string& key) {
  for (const SettingInfo* s = SettingsTable(); s->key != nullptr; ++s) {
    if (key == s->key) return s->section;
  }
  ADD_FAILURE() << "no setting " << key;
  return "none";
}

}  // namespace

std::string TestMapFile(int w, int h, const std::string& floor, int spots) {
  std::string grid;
  for (char c : floor) grid += static_cast<char>('(' + (c - '0'));
  std::string text = std::to_string(w) + " " + std::to_string(h) + " 32 32 0 0\n" + std::to_string(spots);
  for (int k = 0; k < spots; ++k) text += " " + std::to_string(k % w) + " " + std::to_string(k / w % h);
  const std::string open(static_cast<size_t>(w * h), '(');
  const std::string none(static_cast<size_t>(w * h), '\'');
  return text + "\n0\n" + grid + "\n" + open + "\n" + open + "\n" + none + "\n" + none + "\n";
}

FakeEngine& ScreenTest::Fake() {
  static FakeEngine* engine = new FakeEngine();
  return *engine;
}

void ScreenTest::SetUp() {
  hgeInstall(&fake);
  hge = &fake;
  fake.ClearRecords();
  for (std::set<int>* keys : {&fake.wentDown, &fake.wentUp, &fake.held}) keys->clear();
  fake.SetMouse(400, 300);
  fake.delta = 0.01f;
  for (const char* file : {"Data/items.png", "Data/person.png"}) fake.SetImageSize(file, 1024, 1024);
  std::istringstream layout(kLayout);
  for (std::string pair; layout >> pair;) {
    const size_t eq = pair.find('=');
    fake.SetIni(SectionOf(pair.substr(0, eq)), pair.substr(0, eq), pair.substr(eq + 1));
  }
  LoadSettings(&fake);
  LOGO = 1;
  if (itemPictures.empty()) CreateItemPictures();
  // Made once per program; other tests may have built the display's list before any game screen.
  CreateTeamResources();
  CreateHudSprites();
  if (Phrases().empty()) LoadPhrases();
  SetRandomSource(NextNumber);
  numbers.clear();
  team.clear();
  zombies.clear();
  selectedMember = -1;
  screenState = 0;
  screenTimer = 0.0f;
  outcome = OUTCOME_NONE;
  mouseX = 400, mouseY = 300;  // the game frame's copy of the mouse
  CancelDrag();
  helpShown = false;
  helpHintShown = false;  // the help's own tests ask for the first game's line
  message.clear();
  UseMap(TestMapFile(10, 8, std::string(80, '0')));
}

void ScreenTest::TearDown() {
  SetRandomSource(nullptr);
  team.clear();
  zombies.clear();
  selectedMember = -1;
  hge = nullptr;
  hgeInstall(nullptr);
}

void ScreenTest::SetSetting(const std::string& key, const std::string& value) {
  Fake().SetIni(SectionOf(key), key, value);
  LoadSettings(&Fake());
}

void ScreenTest::UseMap(const std::string& text) {
  std::filesystem::create_directories(DH_TEST_TMP);
  // One file per process: CTest runs the tests of the programs sharing this fixture side by side.
  const std::string path = std::string(DH_TEST_TMP) + "/screens_map_" + std::to_string(getpid()) + ".dhm";
  std::ofstream(path, std::ios::binary) << text;
  delete gameMap;
  SetGameMap(new Map(path));
}

namespace {

// Registers p at (x, y) as standing and drawn there under its index in `list`.
Person* Place(Person* p, std::vector<Person*>& list, int16_t map_cell_struct::*here,
              int16_t map_cell_struct::*bound, int x, int y) {
  p->x = x;
  p->y = y;
  p->cell = p->secondCell = static_cast<int16_t>(gameMap->CellIndex(x, y));
  gameMap->cells[p->cell].*here = gameMap->cells[p->cell].*bound = static_cast<int16_t>(list.size());
  list.push_back(p);
  return p;
}

}  // namespace

Person* ScreenTest::AddMember(int x, int y) {  // profession 11 grants nothing
  return Place(new Person(HTEXTURE{0}, 0, 11, 0, 0), team, &map_cell_struct::memberHere,
               &map_cell_struct::memberBound, x, y);
}

Person* ScreenTest::AddZombie(int x, int y) {
  return Place(new Person(HTEXTURE{0}), zombies, &map_cell_struct::zombieHere, &map_cell_struct::zombieBound,
               x, y);
}

void ScreenTest::Feed(std::initializer_list<int> fed) {
  numbers.insert(numbers.end(), fed.begin(), fed.end());
}

bool ScreenTest::RunFrame() {
  FakeEngine& f = Fake();
  const bool stop = f.System_GetState(HGE_FRAMEFUNC)();
  if (!stop) f.System_GetState(HGE_RENDERFUNC)();
  f.NextFrame();
  return stop;
}

bool ScreenTest::Frame() {
  const bool stop = GameFrame();
  Fake().NextFrame();
  return stop;
}

bool ScreenTest::KeyFrame(int key) {
  FakeEngine& f = Fake();
  f.Press(key);
  f.key = key;
  const bool stop = Frame();
  f.Lift(key);
  return stop;
}

void ScreenTest::Click(float x, float y) {
  FakeEngine& f = Fake();
  f.SetMouse(x, y);
  f.Press(HGEK_LBUTTON);
  RunFrame();
  f.Lift(HGEK_LBUTTON);
  RunFrame();
}
