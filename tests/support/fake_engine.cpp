// FakeEngine: the recording stand-in for the engine interface used by unit tests.
#include "support/fake_engine.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <tuple>

namespace {

std::pair<std::string, std::string> IniKey(std::string section, std::string key) {
  for (std::string* s : {&section, &key}) {
    for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return {section, key};
}

bool ReadFile(const std::string& name, std::string* content) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Width and height from a PNG's IHDR chunk; false when the bytes are not a PNG.
bool PngSize(const std::string& data, int* w, int* h) {
  static const char kSignature[] = "\x89PNG\r\n\x1A\n";
  if (data.size() < 24 || data.compare(0, 8, kSignature, 8) != 0 || data.compare(12, 4, "IHDR") != 0) {
    return false;
  }
  auto be32 = [&](size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(data[at + i]);
    return static_cast<int>(v);
  };
  *w = be32(16);
  *h = be32(20);
  return true;
}

}  // namespace

void FakeEngine::SetTextureSize(HTEXTURE tex, int w, int h, int originalW, int originalH) {
  textures[tex] = {"", w, h, originalW < 0 ? w : originalW, originalH < 0 ? h : originalH};
  nextHandle = std::max(nextHandle, tex + 1);
}

void FakeEngine::SetIni(const std::string& section, const std::string& k, const std::string& value) {
  ini[IniKey(section, k)] = value;
}

void FakeEngine::NextFrame() {
  wentDown.clear();
  wentUp.clear();
  wheel = key = chr = 0;
  time += delta;
  ++frame;
}

void FakeEngine::ClearRecords() {
  log.clear();
  errorBoxes.clear();
  quads.clear();
  scenes.clear();
  playedEffects.clear();
  loopedEffects.clear();
  playedVolumes.clear();
  channelVolumes.clear();
}

bool FakeEngine::System_Start() {
  for (int i = 0; i < startFrameLimit && funcStates[HGE_FRAMEFUNC] != nullptr; ++i) {
    i == 0 ? void(++frame) : NextFrame();
    const bool stop = funcStates[HGE_FRAMEFUNC]();
    if (funcStates[HGE_RENDERFUNC] != nullptr) funcStates[HGE_RENDERFUNC]();
    if (afterFrame != nullptr) afterFrame(frame);
    if (stop) break;
  }
  return true;
}

void FakeEngine::System_Log(const char* format, ...) {
  char buffer[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof(buffer), format, args);
  va_end(args);
  log.push_back(buffer);
}

void* FakeEngine::Resource_Load(const char* filename, uint32_t* size) {
  if (size != nullptr) *size = 0;
  std::string content;
  if (filename == nullptr) return nullptr;
  if (files.count(filename) != 0) {
    content = files[filename];
  } else if (!ReadFile(filename, &content)) {
    return nullptr;
  }
  // Exactly the file's bytes (no terminator), so a reader that runs past the end is caught by sanitizers.
  void* data = std::malloc(std::max<size_t>(content.size(), 1));
  std::memcpy(data, content.data(), content.size());
  if (size != nullptr) *size = static_cast<uint32_t>(content.size());
  ++openResources;
  return data;
}

void FakeEngine::Resource_Free(void* res) {
  if (res == nullptr) return;
  std::free(res);
  --openResources;
}

int FakeEngine::Ini_GetInt(const char* section, const char* name, int def) {
  auto it = ini.find(IniKey(section, name));
  return it == ini.end() || it->second.empty()
             ? def
             : static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
}

float FakeEngine::Ini_GetFloat(const char* section, const char* name, float def) {
  auto it = ini.find(IniKey(section, name));
  return it == ini.end() || it->second.empty() ? def : std::strtof(it->second.c_str(), nullptr);
}

uint32_t FakeEngine::Next() {
  randomState = randomState * 214013u + 2531011u;
  return (randomState >> 16) & 0x7FFF;
}

int FakeEngine::Random_Int(int min, int max) {
  if (!randomQueue.empty()) {
    const int value = randomQueue.front();
    randomQueue.pop_front();
    return value;
  }
  return max <= min ? min : min + static_cast<int>(Next() % static_cast<uint32_t>(max - min + 1));
}

HCHANNEL FakeEngine::Effect_PlayEx(HEFFECT eff, int volume, int, float, bool loop) {
  playedEffects.push_back(eff);
  playedVolumes.push_back(volume);
  if (loop) loopedEffects.push_back(eff);
  channelVolumes[static_cast<HCHANNEL>(playedEffects.size())] = volume;
  return static_cast<HCHANNEL>(playedEffects.size());
}

void FakeEngine::Gfx_RenderQuad(const hgeQuad* quad) {
  if (quad == nullptr) return;
  quads.push_back(*quad);
  if (!scenes.empty() && !scenes.back().ended) scenes.back().quads.push_back(*quad);
}

HTEXTURE FakeEngine::NewTexture(const Texture& info) {
  textures[nextHandle] = info;
  return nextHandle++;
}

HTARGET FakeEngine::Target_Create(int width, int height, bool) {
  const HTARGET target = static_cast<HTARGET>(targets.size() + 1);
  targets[target] = NewTexture({"", width, height, width, height});
  return target;
}

HTEXTURE FakeEngine::Texture_Load(const char* filename, uint32_t size, bool) {
  Texture info{filename != nullptr ? filename : "", 1, 1, 1, 1};
  int w = 0, h = 0;
  std::string content;
  bool loaded = false;
  if (imageSizes.count(info.name) != 0) {
    std::tie(w, h) = imageSizes[info.name];
    loaded = true;
  } else if (anyImageSide > 0 && size == 0) {
    w = h = anyImageSide;
    loaded = true;
  } else if (ReadFile(info.name, &content)) {
    loaded = PngSize(content, &w, &h);
  }
  if (loaded) {
    info = {info.name, w, h, w, h};
  } else {
    failedTextures.push_back(info.name);
  }
  return NewTexture(info);
}

const std::vector<hgeQuad>& FakeEngine::Gfx_GetRecordedQuads() {
  for (auto it = scenes.rbegin(); it != scenes.rend(); ++it) {
    if (it->ended && it->target == 0) return it->quads;
  }
  return noQuads;
}

int FakeEngine::Gfx_GetDrawCalls() {
  const std::vector<hgeQuad>& last = Gfx_GetRecordedQuads();
  int calls = 0;
  for (size_t i = 0; i < last.size(); ++i) {
    calls += i == 0 || last[i].tex != last[i - 1].tex || last[i].blend != last[i - 1].blend;
  }
  return calls;
}
