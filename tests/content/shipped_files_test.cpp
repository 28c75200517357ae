// Checks that every file the game names is shipped: settings, font, pictures, the map with its textures,
// sounds.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/sounds.h"
#include "content/content_support.h"

namespace {

struct Picture {
  const char* file;
  int minW, minH;
};

const Picture kPictures[] = {
    {"Data/logo.png", 800, 600},  {"Data/menu.png", 800, 600},   {"Data/end.png", 800, 600},
    {"Data/items.png", 960, 560}, {"Data/person.png", 800, 600}, {"Data/font.png", 64, 64},
    {"Data/man1.png", 522, 664},  {"Data/man2.png", 522, 664},   {"Data/man3.png", 522, 664},
    {"Data/man4.png", 522, 664},  {"Data/man5.png", 522, 664},   {"Data/zombie1.png", 522, 664},
};

TEST(ShippedFiles, SettingsAndFontDescriptionExist) {
  std::string text;
  EXPECT_TRUE(content::ReadWholeFile("Data/dh.ini", &text) && !text.empty());
  EXPECT_TRUE(content::ReadWholeFile("Data/font.fnt", &text) && !text.empty());
}

TEST(ShippedFiles, EveryPictureIsAPngOfItsSize) {
  for (const Picture& p : kPictures) {
    int w = 0, h = 0;
    ASSERT_TRUE(content::PngSize(p.file, &w, &h)) << p.file << " is missing or not a PNG";
    EXPECT_GE(w, p.minW) << p.file;
    EXPECT_GE(h, p.minH) << p.file;
    EXPECT_LE(w, 4096) << p.file;
    EXPECT_LE(h, 4096) << p.file;
  }
}

TEST(ShippedFiles, EverySoundOfTheSoundTableIsAnMp3) {
  for (int i = 0; i < SND_COUNT; ++i) {
    std::string d;
    ASSERT_TRUE(content::ReadWholeFile(kSoundFiles[i], &d)) << kSoundFiles[i] << " is missing";
    ASSERT_GT(d.size(), 512u) << kSoundFiles[i];
    const bool id3 = d.compare(0, 3, "ID3") == 0;
    const bool frame =
        static_cast<unsigned char>(d[0]) == 0xFF && (static_cast<unsigned char>(d[1]) & 0xE0) == 0xE0;
    EXPECT_TRUE(id3 || frame) << kSoundFiles[i] << " does not start like an MP3";
  }
}

TEST(ShippedFiles, MapAndEveryTextureItNamesExist) {
  std::ifstream map("Data/map1.dhm");
  ASSERT_TRUE(map.good()) << "Data/map1.dhm is missing";
  int w = 0, h = 0, cw = 0, ch = 0, ex = 0, ey = 0, spots = 0;
  ASSERT_TRUE(map >> w >> h >> cw >> ch >> ex >> ey >> spots);
  for (int i = 0; i < 2 * spots; ++i) {
    int v;
    ASSERT_TRUE(map >> v);
  }
  int textures = 0;
  ASSERT_TRUE(map >> textures);
  ASSERT_GT(textures, 0);
  for (int t = 0; t < textures; ++t) {
    std::string name;
    int sprites = 0;
    ASSERT_TRUE(map >> name >> sprites);
    int tw = 0, th = 0;
    ASSERT_TRUE(content::PngSize(name, &tw, &th)) << name << " named by the map is missing";
    for (int s = 0; s < 6 * sprites; ++s) {
      int v;
      ASSERT_TRUE(map >> v);
    }
  }
}

}  // namespace
