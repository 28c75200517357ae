// Checks that every picture the game cuts out of a texture lies inside it, apart from the others, and is
// drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/content_support.h"
#include "engine/sprite.h"
#include "support/fake_engine.h"
#include "ui/resources.h"

namespace {

struct Rect {
  std::string name;
  int x, y, w, h;
};

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// A settings group of `count` pictures side by side in one texture.
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

  // Every picture cut from `texture` by the settings, one rectangle per picture.
  std::vector<Rect> Pictures(const std::string& texture) const {
    std::vector<Rect> out;
    for (const Group& g : kGroups) {
      if (texture != g.texture) continue;
      const std::string p = g.prefix;
      const int n = g.count + (g.countKey ? V(g.countKey) : 0);
      for (int k = 0; k < n; ++k) {
        out.push_back({p + " " + std::to_string(k), V(p + "_TX") + k * V(p + "_W"), V(p + "_TY"), V(p + "_W"),
                       V(p + "_H")});
      }
    }
    if (texture == "Data/menu.png") {
      for (const std::string g : {"MENU_NEWGAME_BUT", "MENU_EXIT_BUT"}) {
        for (int k = 0; k < 2; ++k) {
          out.push_back({g + " " + std::to_string(k), V(g + "_X") + k * V(g + "_W"), V(g + "_Y"), V(g + "_W"),
                         V(g + "_H")});
        }
      }
    }
    return out;
  }

  // Checks that the pictures of a texture lie inside it, apart, and each holds a drawing.
  void CheckTexture(const std::string& texture, std::vector<Rect> pictures) {
    int w = 0, h = 0;
    ASSERT_TRUE(content::PngSize(texture, &w, &h)) << texture;
    const content::Pixels px = content::LoadPixels(texture);
    ASSERT_EQ(px.w, w) << texture;
    for (size_t i = 0; i < pictures.size(); ++i) {
      const Rect& r = pictures[i];
      ASSERT_TRUE(r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= w && r.y + r.h <= h)
          << r.name << " leaves " << texture << " (" << w << " x " << h << ")";
      for (size_t j = i + 1; j < pictures.size(); ++j) {
        EXPECT_FALSE(Overlap(r, pictures[j])) << r.name << " and " << pictures[j].name << " in " << texture;
      }
      EXPECT_GT(px.Opaque(r.x, r.y, r.w, r.h), r.w * r.h / 50)
          << r.name << " is (nearly) empty in " << texture;
    }
  }
};

TEST_F(TextureRects, EverySettingsGroupHasItsTexture) {
  for (const auto& section : ini.sections) {
    for (const auto& key : section.second) {
      const std::string& k = key.first;
      if (k.size() < 3 || k.compare(k.size() - 3, 3, "_TX") != 0) continue;
      const std::string prefix = k.substr(0, k.size() - 3);
      bool listed = false;
      for (const Group& g : kGroups) listed = listed || prefix == g.prefix;
      EXPECT_TRUE(listed) << prefix << " is cut from no texture this check knows";
    }
  }
}

TEST_F(TextureRects, PersonTexturePicturesAndBackground) {
  std::vector<Rect> pictures = Pictures("Data/person.png");
  pictures.push_back({"background", 0, 0, 800, 600});
  CheckTexture("Data/person.png", pictures);
}

TEST_F(TextureRects, MenuTextureButtonsAndBackground) {
  std::vector<Rect> pictures = Pictures("Data/menu.png");
  pictures.push_back({"background", 0, 0, 800, 600});
  CheckTexture("Data/menu.png", pictures);
}

TEST_F(TextureRects, ItemPicturesAsTheGameCutsThemAndTheHudPieces) {
  FakeEngine fake;
  hgeInstall(&fake);
  CreateItemPictures();
  ASSERT_EQ(itemPictures.size(), 52u);
  std::vector<Rect> pictures = Pictures("Data/items.png");
  for (int type = 0; type < 52; ++type) {
    float x, y, w, h;
    itemPictures[type]->GetTextureRect(&x, &y, &w, &h);
    pictures.push_back({"item " + std::to_string(type), static_cast<int>(x), static_cast<int>(y),
                        static_cast<int>(w), static_cast<int>(h)});
  }
  CheckTexture("Data/items.png", pictures);
  EXPECT_TRUE(fake.failedTextures.empty());
}

TEST_F(TextureRects, FullScreenPicturesCoverTheScreen) {
  for (const char* file : {"Data/logo.png", "Data/menu.png", "Data/end.png", "Data/person.png"}) {
    const content::Pixels px = content::LoadPixels(file);
    ASSERT_GE(px.w, 800) << file;
    ASSERT_GE(px.h, 600) << file;
    EXPECT_EQ(px.Opaque(0, 0, 800, 600, 254), 800 * 600) << file << " has see-through pixels on screen";
  }
}

}  // namespace
