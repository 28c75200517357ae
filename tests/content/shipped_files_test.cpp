// Every picture the game names is shipped as a PNG of at least its size (the settings, font, sounds and
// the map's textures are checked by their own content tests).
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
