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

namespace {

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

uint32_t BigEndian32(const unsigned char* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

// Width and height from a PNG's IHDR chunk; false when the bytes are not a PNG.
bool PngSize(const unsigned char* data, size_t size, int* w, int* h) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size < 24 || std::memcmp(data, kSignature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0) {
    return false;
  }
  *w = static_cast<int>(BigEndian32(data + 16));
  *h = static_cast<int>(BigEndian32(data + 20));
  return true;
}

bool ReadFile(const std::string& name, std::string* content) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

FakeEngine::FakeEngine() {
  intStates[HGE_SCREENWIDTH] = 800;
  intStates[HGE_SCREENHEIGHT] = 600;
  intStates[HGE_SCREENBPP] = 32;
  intStates[HGE_FPS] = 100;
}

FakeEngine::~FakeEngine() {
  hgeInstall(nullptr);
}

void FakeEngine::SetTextureSize(HTEXTURE tex, int w, int h, int originalW, int originalH) {
  Texture& t = textures[tex];
  t.width = w;
  t.height = h;
  t.originalWidth = originalW < 0 ? w : originalW;
  t.originalHeight = originalH < 0 ? h : originalH;
  nextHandle = std::max(nextHandle, tex + 1);
}

void FakeEngine::SetImageSize(const std::string& file, int w, int h) {
  imageSizes[file] = {w, h};
}

void FakeEngine::SetFile(const std::string& file, const std::string& content) {
  files[file] = content;
}

void FakeEngine::SetIni(const std::string& section, const std::string& k, const std::string& value) {
  ini[{Lower(section), Lower(k)}] = value;
}

void FakeEngine::Press(int k) {
  SetKey(k, true, false, true);
}

void FakeEngine::Lift(int k) {
  SetKey(k, false, true, false);
}

void FakeEngine::SetKey(int k, bool down, bool up, bool isHeld) {
  if (down)
    wentDown.insert(k);
  else
    wentDown.erase(k);
  if (up)
    wentUp.insert(k);
  else
    wentUp.erase(k);
  if (isHeld)
    held.insert(k);
  else
    held.erase(k);
}

void FakeEngine::NextFrame() {
  wentDown.clear();
  wentUp.clear();
  wheel = 0;
  key = 0;
  chr = 0;
  time += delta;
  ++frame;
}

void FakeEngine::QueueRandomInts(std::initializer_list<int> values) {
  randomQueue.insert(randomQueue.end(), values.begin(), values.end());
}

void FakeEngine::ClearRecords() {
  log.clear();
  errorBoxes.clear();
  quads.clear();
  scenes.clear();
  playedEffects.clear();
  loopedEffects.clear();
}

bool FakeEngine::System_Start() {
  // Frame 1 keeps the input the test set up; later frames start with NextFrame.
  for (int i = 0; i < startFrameLimit && funcStates[HGE_FRAMEFUNC] != nullptr; ++i) {
    if (i == 0) {
      ++frame;
    } else {
      NextFrame();
    }
    bool stop = funcStates[HGE_FRAMEFUNC]();
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

void FakeEngine::System_SetState(hgeStringState state, const char* value) {
  stringStates[state] = value != nullptr ? value : "";
}

void* FakeEngine::Resource_Load(const char* filename, uint32_t* size) {
  if (size != nullptr) *size = 0;
  if (filename == nullptr) return nullptr;
  std::string content;
  auto it = files.find(filename);
  if (it != files.end()) {
    content = it->second;
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
  auto it = ini.find({Lower(section), Lower(name)});
  if (it == ini.end() || it->second.empty()) return def;
  return static_cast<int>(std::strtol(it->second.c_str(), nullptr, 10));
}

float FakeEngine::Ini_GetFloat(const char* section, const char* name, float def) {
  auto it = ini.find({Lower(section), Lower(name)});
  if (it == ini.end() || it->second.empty()) return def;
  return std::strtof(it->second.c_str(), nullptr);
}

void FakeEngine::Random_Seed(int seed) {
  randomState = static_cast<uint32_t>(seed);
}

int FakeEngine::Random_Int(int min, int max) {
  if (!randomQueue.empty()) {
    int value = randomQueue.front();
    randomQueue.pop_front();
    return value;
  }
  if (max <= min) return min;
  randomState = randomState * 214013u + 2531011u;
  uint32_t r = (randomState >> 16) & 0x7FFF;
  return min + static_cast<int>(r % static_cast<uint32_t>(max - min + 1));
}

float FakeEngine::Random_Float(float min, float max) {
  randomState = randomState * 214013u + 2531011u;
  float r = static_cast<float>((randomState >> 16) & 0x7FFF) / 32768.0f;
  return min + r * (max - min);
}

HEFFECT FakeEngine::Effect_Load(const char* filename, uint32_t) {
  loadedEffects.push_back(filename != nullptr ? filename : "");
  return static_cast<HEFFECT>(loadedEffects.size());
}

HCHANNEL FakeEngine::Effect_Play(HEFFECT eff) {
  playedEffects.push_back(eff);
  return static_cast<HCHANNEL>(playedEffects.size());
}

HCHANNEL FakeEngine::Effect_PlayEx(HEFFECT eff, int, int, float, bool loop) {
  playedEffects.push_back(eff);
  if (loop) loopedEffects.push_back(eff);
  return static_cast<HCHANNEL>(playedEffects.size());
}

void FakeEngine::Input_GetMousePos(float* x, float* y) {
  if (x != nullptr) *x = mouseX;
  if (y != nullptr) *y = mouseY;
}

bool FakeEngine::Gfx_BeginScene(HTARGET target) {
  Scene scene;
  scene.target = target;
  scenes.push_back(scene);
  return true;
}

void FakeEngine::Gfx_EndScene() {
  if (!scenes.empty()) scenes.back().ended = true;
}

void FakeEngine::Gfx_Clear(uint32_t color) {
  if (!scenes.empty() && !scenes.back().ended) scenes.back().clears.push_back(color);
}

void FakeEngine::Gfx_RenderQuad(const hgeQuad* quad) {
  if (quad == nullptr) return;
  quads.push_back(*quad);
  if (!scenes.empty() && !scenes.back().ended) scenes.back().quads.push_back(*quad);
}

HTEXTURE FakeEngine::NewTexture(const Texture& info) {
  HTEXTURE handle = nextHandle++;
  textures[handle] = info;
  return handle;
}

HTARGET FakeEngine::Target_Create(int width, int height, bool) {
  Texture info;
  info.width = info.originalWidth = width;
  info.height = info.originalHeight = height;
  HTEXTURE tex = NewTexture(info);
  HTARGET target = static_cast<HTARGET>(targets.size() + 1);
  targets[target] = tex;
  return target;
}

HTEXTURE FakeEngine::Target_GetTexture(HTARGET target) {
  auto it = targets.find(target);
  return it != targets.end() ? it->second : 0;
}

HTEXTURE FakeEngine::Texture_Load(const char* filename, uint32_t size, bool) {
  Texture info;
  int w = 0, h = 0;
  bool loaded = false;
  if (size > 0 && filename != nullptr) {
    // With a size the "file name" is the image itself, in memory.
    loaded = PngSize(reinterpret_cast<const unsigned char*>(filename), size, &w, &h);
  } else if (filename != nullptr) {
    info.name = filename;
    auto it = imageSizes.find(filename);
    std::string content;
    if (it != imageSizes.end()) {
      w = it->second.first;
      h = it->second.second;
      loaded = true;
    } else if (ReadFile(filename, &content)) {
      loaded = PngSize(reinterpret_cast<const unsigned char*>(content.data()), content.size(), &w, &h);
    }
  }
  if (loaded) {
    info.width = info.originalWidth = w;
    info.height = info.originalHeight = h;
  } else {
    failedTextures.push_back(info.name);
  }
  return NewTexture(info);
}

int FakeEngine::Texture_GetWidth(HTEXTURE tex, bool bOriginal) {
  auto it = textures.find(tex);
  if (tex == 0 || it == textures.end()) return 0;
  return bOriginal ? it->second.originalWidth : it->second.width;
}

int FakeEngine::Texture_GetHeight(HTEXTURE tex, bool bOriginal) {
  auto it = textures.find(tex);
  if (tex == 0 || it == textures.end()) return 0;
  return bOriginal ? it->second.originalHeight : it->second.height;
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
    if (i == 0 || last[i].tex != last[i - 1].tex || last[i].blend != last[i - 1].blend) ++calls;
  }
  return calls;
}
