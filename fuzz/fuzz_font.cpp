// Fuzzes the font reader: any font description must load, draw and measure without a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/font.h"
#include "engine/font_parser.h"
#include "support/fake_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  ParseFontDescription(text, size);

  // The whole font over a recording engine: the description as "f/font.fnt", its bitmap beside it.
  FakeEngine fake;
  hgeInstall(&fake);
  fake.SetFile("f/font.fnt", std::string(text, size));
  fake.SetFile("f/font.png", "");
  fake.SetImageSize("f/font.png", 256, 256);
  {
    hgeFont font("f/font.fnt");
    std::string every;
    for (int c = 1; c < 256; ++c) every.push_back(static_cast<char>(c));
    for (int align = 0; align < 4; ++align) font.Render(400, 300, align, every.c_str());
    font.GetStringWidth(every.c_str(), false);
    font.GetStringWidth(every.c_str(), true);
    font.printf(0, 0, HGETEXT_CENTER, "%s", every.c_str());
  }
  return 0;
}
