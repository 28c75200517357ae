// The game screen's drawing order and what it shows, read back from the recorded quads.

#include <algorithm>

#include "game/game_stats.h"
#include "screen_fixture.h"

namespace {

using Labels = std::vector<std::string>;

std::string It(int type) {
  return "item" + std::to_string(type);
}

bool Same(const hgeQuad& q, const hgeSprite* s) {
  return s != nullptr && q.tex == s->GetTexture() && q.v[0].tx == s->GetQuad().v[0].tx &&
         q.v[0].ty == s->GetQuad().v[0].ty;
}

// Names the picture a quad shows; everything not on the display counts as the map.
std::string Label(const hgeQuad& q) {
  for (size_t i = 0; i < photos.size(); ++i) {
    if (Same(q, photos[i])) return "photo" + std::to_string(i);
  }
  if (Same(q, selectionPicture)) return "selection";
  if (q.tex == personTexture && q.v[0].ty == 800.0f / 1024) return "lifebar";
  if (Same(q, inventoryPanel)) return "panel";
  for (int k = 0; k < 2; ++k) {
    if (Same(q, smallFrame[k])) return "small" + std::to_string(k);
    if (Same(q, bigFrame[k])) return "big" + std::to_string(k);
  }
  if (Same(q, endTurnButton)) return "end";
  if (Same(q, turnBanner[0])) return "team acting";
  if (Same(q, turnBanner[1])) return "zombies' turn";
  for (size_t t = 0; t < itemPictures.size(); ++t) {
    if (Same(q, itemPictures[t])) return It(static_cast<int>(t));
  }
  if (q.tex == font1->GetSprite('0')->GetTexture()) return "font1";
  if (q.tex == font2->GetSprite('0')->GetTexture()) return "font2";
  return "map";
}

class GameRenderTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ASSERT_TRUE(font1->GetSprite('0') != nullptr && font2->GetSprite('0') != nullptr) << "no Data/font.fnt";
    member = AddMember(2, 2);
    dead = AddMember(5, 5);
    member->photo = 2;
    member->actionPoints = 3;
    dead->alive = 0;
    knife = new Item(ITEM_KITCHEN_KNIFE);
    bow = new Item(ITEM_BOW);
    bow->loaded = 7;
    bow->capacity = 10;
    member->bag = {knife, bow};
    member->RecountBag();
    member->armour = new Item(ITEM_HOCKEY_ARMOUR);
    member->keys = new Item(ITEM_CAR_KEYS);
    member->active = bow;
    StartGameScreen();
    BuildHudList();
    selectedMember = 0;
    ApplyHudEnabling();
    ShowMessage("Hi");
    fake.SetMouse(300, 200);
  }

  // Renders one frame; the labels from the first display picture on, runs of equal labels merged.
  Labels Render() {
    fake.ClearRecords();
    GameRender();
    Labels out;
    for (const hgeQuad& q : fake.Gfx_GetRecordedQuads()) {
      const std::string l = Label(q);
      if ((!out.empty() || l != "map") && (out.empty() || out.back() != l)) out.push_back(l);
    }
    return out;
  }

  Person* member = nullptr;
  Person* dead = nullptr;
  Item* knife = nullptr;
  Item* bow = nullptr;
};

// The display is drawn over the map in its order; bag cells follow the item sizes.
TEST_F(GameRenderTest, TheHeadUpDisplayIsDrawnOverTheMapInItsOrder) {
  dragState = DRAG_ITEM;
  draggedItem = knife;
  // clang-format off
  const Labels expected = {"photo2", "font1", "selection",
                           "lifebar", "photo5", "lifebar",  // photos, the dead one without points
                           "panel", "small0", It(ITEM_KITCHEN_KNIFE),
                           "big1", It(ITEM_BOW), "small0",  // bag: knife, active bow, empty cell
                           "big0", It(ITEM_HOCKEY_ARMOUR), "big0",
                           It(ITEM_HANDS), "small0", It(ITEM_CAR_KEYS),  // armour, hands, keys slots
                           It(ITEM_BOW), "font1", "font2",  // active item, its numbers, message
                           "end", "font1", "small0", "font1",  // end-turn button, turn counter, "?"
                           "small0", "map",  // the reach toggle: a cell's frame and a plain swatch
                           It(ITEM_KITCHEN_KNIFE)};  // dragged item
  // clang-format on
  EXPECT_EQ(Render(), expected);
  EXPECT_EQ(Label(fake.Gfx_GetRecordedQuads().at(0)), "map");  // the figures of the map come first
}

// Without a living selection there is no panel, and in the zombies' phases only the map and the banner.
TEST_F(GameRenderTest, WithoutALivingSelectionThereIsNoPanelAndInTheZombiesTurnOnlyTheMap) {
  for (int selection : {-1, 1}) {  // nobody, the dead member
    selectedMember = selection;
    for (const std::string& l : Render()) EXPECT_NE(l, "panel") << selection;
  }
  for (int phase : {2, 3}) {
    screenState = phase;
    EXPECT_EQ(Render(), (Labels{"zombies' turn", "font1"})) << phase;
  }
}

// While the team's actions play and in the zombies' half the end-turn button cannot be used: a banner
// saying whose turn it is stands in its place.
TEST_F(GameRenderTest, ABannerSaysWhoseTurnItIsWhereTheEndTurnButtonWas) {
  for (const auto& [phase, banner] : {std::pair<int, const char*>{PHASE_INPUT, "end"},
                                      {PHASE_TEAM_ACTING, "team acting"},
                                      {PHASE_ZOMBIES_PLAN, "zombies' turn"},
                                      {PHASE_ZOMBIES_ACTING, "zombies' turn"}}) {
    SCOPED_TRACE(phase);
    screenState = phase;
    Render();
    int shown = 0;
    for (const hgeQuad& q : fake.Gfx_GetRecordedQuads()) {
      const std::string l = Label(q);
      if (l != "end" && l != "team acting" && l != "zombies' turn") continue;
      EXPECT_EQ(l, banner);
      EXPECT_EQ(std::make_pair(q.v[0].x, q.v[0].y), std::make_pair(END_BUTTON_X, END_BUTTON_Y));
      ++shown;
    }
    EXPECT_EQ(shown, 1);
  }
}

// The turn counter stands under the end-turn button in every phase and follows the game's count.
TEST_F(GameRenderTest, TheTurnCounterShowsTheGamesTurnUnderTheEndTurnButton) {
  const int saved = gameStats.turns;
  for (int turn : {1, 12, 305}) {
    gameStats.turns = turn;
    for (int phase : {PHASE_INPUT, PHASE_TEAM_ACTING, PHASE_ZOMBIES_PLAN, PHASE_ZOMBIES_ACTING}) {
      SCOPED_TRACE(std::to_string(turn) + " in phase " + std::to_string(phase));
      screenState = phase;
      Render();
      const std::vector<hgeQuad> frame = fake.Gfx_GetRecordedQuads();
      fake.ClearRecords();
      const std::string text = ToCp1251("Ход ") + std::to_string(turn);
      fake.Gfx_BeginScene();
      font1->Render(END_BUTTON_X + END_BUTTON_W - 4, END_BUTTON_Y + END_BUTTON_H + 2, HGETEXT_RIGHT,
                    text.c_str());
      fake.Gfx_EndScene();
      const std::vector<hgeQuad> counter = fake.Gfx_GetRecordedQuads();
      ASSERT_GE(counter.size(), 4u);
      const auto same = [](const hgeQuad& a, const hgeQuad& b) {
        for (int k = 0; k < 4; ++k) {
          if (a.v[k].x != b.v[k].x || a.v[k].y != b.v[k].y || a.v[k].tx != b.v[k].tx) return false;
        }
        return a.tex == b.tex;
      };
      EXPECT_NE(std::search(frame.begin(), frame.end(), counter.begin(), counter.end(), same), frame.end());
      EXPECT_GT(counter.front().v[0].y, END_BUTTON_Y + END_BUTTON_H);  // below the button, not over it
    }
  }
  gameStats.turns = saved;
}

// Unknown photos fall back to the first, also after a reload that names a photo the list does not have.
TEST_F(GameRenderTest, UnknownPhotosFallBackToTheFirstAlsoAfterAReload) {
  member->photo = 40;
  EXPECT_EQ(Render()[0], "photo0");
  SetSetting("PASS_PHOTO_NUM", "9");  // the dead member's picture
  EXPECT_EQ(Render()[4], "photo0");
}

}  // namespace
