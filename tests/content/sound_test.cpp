// Checks of the shipped sounds: every file of the sound table is a real MP3 with its encoder tag and a
// sensible length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/sounds.h"

namespace {

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Offset of the first MPEG audio frame, after an ID3v2 tag if there is one; -1 when none starts there.
long FirstFrame(const std::vector<unsigned char>& b) {
  size_t at = 0;
  if (b.size() >= 10 && b[0] == 'I' && b[1] == 'D' && b[2] == '3') {
    at = 10 + ((b[6] & 0x7F) << 21 | (b[7] & 0x7F) << 14 | (b[8] & 0x7F) << 7 | (b[9] & 0x7F));
  }
  if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xE0) != 0xE0) return -1;
  return static_cast<long>(at);
}

// Frame count from the encoder's Xing/Info tag in the first frame, or -1 when the tag is missing.
long TaggedFrames(const std::vector<unsigned char>& b, long first) {
  const std::string head(b.begin() + first, b.begin() + std::min(b.size(), static_cast<size_t>(first) + 200));
  size_t tag = head.find("Info");
  if (tag == std::string::npos) tag = head.find("Xing");
  if (tag == std::string::npos || tag + 12 > head.size()) return -1;
  const auto at = [&](size_t i) { return static_cast<unsigned char>(head[i]); };
  if ((at(tag + 7) & 1) == 0) return -1;
  return static_cast<long>(at(tag + 8)) << 24 | at(tag + 9) << 16 | at(tag + 10) << 8 | at(tag + 11);
}

TEST(ShippedSounds, EveryTableFileIsATaggedMpegLayerThreeFileOfASensibleLength) {
  size_t total = 0;
  for (int i = 0; i < SND_COUNT; ++i) {
    SCOPED_TRACE(kSoundFiles[i]);
    const std::vector<unsigned char> bytes = ReadAll(kSoundFiles[i]);
    ASSERT_GT(bytes.size(), 400u) << "missing or empty";
    total += bytes.size();
    const long first = FirstFrame(bytes);
    ASSERT_GE(first, 0) << "no frame sync at the start";
    const unsigned char h1 = bytes[first + 1], h2 = bytes[first + 2];
    EXPECT_EQ(h1 & 0x18, 0x18) << "not MPEG-1";
    EXPECT_EQ(h1 & 0x06, 0x02) << "not layer III";
    EXPECT_NE(h2 >> 4, 0x0F) << "bad bitrate index";
    EXPECT_EQ((h2 >> 2) & 3, 0) << "not 44.1 kHz";
    // The encoder's tag lets the decoder drop its padding, so short effects stay short.
    const double seconds = static_cast<double>(TaggedFrames(bytes, first)) * 1152.0 / 44100.0;
    EXPECT_GE(seconds, i == SND_CLOCK ? 2.0 : 0.01) << "no encoder tag, or too short";
    EXPECT_LE(seconds, i == SND_CLOCK ? 10.0 : 5.0);
  }
  EXPECT_LT(total, 1024u * 1024u);
}

}  // namespace
