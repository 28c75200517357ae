// Checks of the shipped pictures: every picture the game cuts out of a texture lies inside it, apart from the
// others, and is drawn; full-screen backgrounds are opaque.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/content_support.h"
#include "engine/sprite.h"
#include "game/ids.h"
#include "support/fake_engine.h"
#include "ui/resources.h"

namespace {

struct Rect {
  std::string name;
  int x, y, w, h;
};

// A settings group of pictures side by side in one texture.
struct Group {
  const char* prefix;
  const char* texture;
  const char* countKey;  // key holding the count, or null
  int count;             // fixed count (added to the key's value when both are given)
};

const Group kGroups[] = {
    {"PATH_TOKEN", "Data/person.png", nullptr, 4},
    {"ATTACK_TOKEN", "Data/items.png", nullptr, 1},
    {"END_BUTTON", "Data/items.png", nullptr, 1},
    {"FIND_TOKEN", "Data/items.png", nullptr, 1},
    {"BAG_TOKEN", "Data/items.png", nullptr, 1},
    {"HEAL_TOKEN", "Data/items.png", nullptr, 1},
    {"LIFEBAR", "Data/person.png", "LIFEBAR_CADR", 0},
    {"INTER_INV", "Data/items.png", nullptr, 1},
    {"INTER_ITEM_SMALL", "Data/items.png", nullptr, 2},
    {"INTER_ITEM_BIG", "Data/items.png", nullptr, 2},
    {"PLAYER_MARKER_BOTTOM", "Data/person.png", nullptr, 1},
    {"PLAYER_MARKER_TOP", "Data/person.png", nullptr, 2},
    {"PASS", "Data/person.png", nullptr, 1},
    {"PASS_START", "Data/person.png", nullptr, 4},  // start and its stand-by look, normal and pressed
    {"PASS_ADD", "Data/person.png", nullptr, 4},    // add and start over, normal and pressed
    {"PASS_PHOTO", "Data/person.png", "PASS_PHOTO_NUM", 2},  // photos, the dead picture, the selection frame
    {"PASS_CHANGE_ONE", "Data/person.png", nullptr, 1},
    {"PASS_CHANGE_OR", "Data/person.png", nullptr, 1},
};

class TextureRects : public ::testing::Test {
 protected:
  content::IniFile ini = content::ReadIni("Data/dh.ini");

  int V(const std::string& key) const { return static_cast<int>(ini.Number(key)); }

  // The pictures the settings cut from `texture`; the screen backgrounds start at its corner.
  std::vector<Rect> Pictures(const std::string& texture) const {
    std::vector<Rect> out;
    if (texture != "Data/items.png") out.push_back({"background", 0, 0, 800, 600});
    const auto row = [&](const std::string& p, const std::string& x, const std::string& y, int n) {
      for (int k = 0; k < n; ++k) {
        out.push_back(
            {p + " " + std::to_string(k), V(p + x) + k * V(p + "_W"), V(p + y), V(p + "_W"), V(p + "_H")});
      }
    };
    for (const Group& g : kGroups) {
      if (texture == g.texture) row(g.prefix, "_TX", "_TY", g.count + (g.countKey ? V(g.countKey) : 0));
    }
    if (texture == "Data/menu.png") {
      for (const char* g : {"MENU_NEWGAME_BUT", "MENU_EXIT_BUT", "MENU_OPTIONS_BUT", "OPTIONS_BACK_BUT"})
        row(g, "_X", "_Y", 2);
    }
    return out;
  }
};

TEST_F(TextureRects, PicturesLieInsideTheirTextureApartAndHoldADrawing) {
  FakeEngine fake;
  hgeInstall(&fake);
  CreateItemPictures();
  EXPECT_TRUE(fake.failedTextures.empty());
  ASSERT_EQ(itemPictures.size(), static_cast<size_t>(ITEM_TYPE_COUNT));
  for (const char* texture : {"Data/person.png", "Data/menu.png", "Data/items.png"}) {
    std::vector<Rect> pictures = Pictures(texture);
    for (int type = 0; texture == std::string("Data/items.png") && type < ITEM_TYPE_COUNT; ++type) {
      float x, y, w, h;
      itemPictures[type]->GetTextureRect(&x, &y, &w, &h);
      pictures.push_back({"item " + std::to_string(type), static_cast<int>(x), static_cast<int>(y),
                          static_cast<int>(w), static_cast<int>(h)});
    }
    const content::Pixels px = content::LoadPixels(texture);
    for (size_t i = 0; i < pictures.size(); ++i) {
      const Rect& r = pictures[i];
      ASSERT_TRUE(r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= px.w && r.y + r.h <= px.h)
          << r.name << " leaves " << texture << " (" << px.w << " x " << px.h << ")";
      for (size_t j = i + 1; j < pictures.size(); ++j) {
        const Rect& o = pictures[j];
        EXPECT_FALSE(r.x < o.x + o.w && o.x < r.x + r.w && r.y < o.y + o.h && o.y < r.y + r.h)
            << r.name << " and " << o.name << " overlap in " << texture;
      }
      EXPECT_GT(px.Opaque(r.x, r.y, r.w, r.h), r.w * r.h / 50)
          << r.name << " is (nearly) empty in " << texture;
    }
  }
}

TEST(ShippedPictures, BackgroundsCoverTheWholeScreen) {
  for (const char* file : {"Data/logo.png", "Data/menu.png", "Data/end.png", "Data/person.png"}) {
    const content::Pixels px = content::LoadPixels(file);
    ASSERT_TRUE(px.w >= 800 && px.h >= 600) << file;
    EXPECT_EQ(px.Opaque(0, 0, 800, 600, 254), 800 * 600) << file << " has see-through pixels on screen";
  }
}

}  // namespace
