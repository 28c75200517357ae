// Checks of the shipped sounds: every file of the sound table is an MP3 with its encoder tag and a sensible
// length.
#include <gtest/gtest.h>

#include <string>

#include "app/sounds.h"
#include "content/content_support.h"

namespace {

TEST(ShippedSounds, EveryTableFileIsATaggedMpegLayerThreeFileOfASensibleLength) {
  for (int i = 0; i < SND_COUNT; ++i) {
    SCOPED_TRACE(kSoundFiles[i]);
    std::string text;
    ASSERT_TRUE(content::ReadWholeFile(kSoundFiles[i], &text) && text.size() > 400) << "missing or empty";
    const auto b = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    // The first frame follows the ID3v2 tag, if there is one.
    const size_t first = text.compare(0, 3, "ID3") ? 0 : 10 + (b(6) << 21 | b(7) << 14 | b(8) << 7 | b(9));
    ASSERT_TRUE(first + 200 < text.size() && b(first) == 0xFF && (b(first + 1) & 0xE0) == 0xE0)
        << "no frame sync at the start";
    EXPECT_TRUE((b(first + 1) & 0x1E) == 0x1A && (b(first + 2) & 0x0C) == 0)
        << "not MPEG-1 layer III, 44.1 kHz";
    // The encoder's tag lets the decoder drop its padding, so short effects stay short.
    size_t tag = text.find("Info", first);
    if (tag > first + 188) tag = text.find("Xing", first);
    ASSERT_TRUE(tag <= first + 188 && (b(tag + 7) & 1)) << "no encoder tag with a frame count";
    const long frames =
        static_cast<long>(b(tag + 8)) << 24 | b(tag + 9) << 16 | b(tag + 10) << 8 | b(tag + 11);
    const double seconds = frames * 1152.0 / 44100.0;
    EXPECT_GE(seconds, i == SND_CLOCK ? 2.0 : 0.01);
    EXPECT_LE(seconds, i == SND_CLOCK ? 10.0 : 5.0);
  }
}

}  // namespace
