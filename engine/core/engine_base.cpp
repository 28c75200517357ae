// EngineBase: references, states, log, files, INI, random numbers, input reading and error boxes.
#include "engine/core/engine_base.h"

#include <chrono>
#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/core/backends.h"
#include "engine/text.h"

EngineBase::EngineBase(const hgeRunOptions& runOptions) : options(runOptions) {
  windowScale = options.scale < 0 ? 0 : (options.scale > kMaxWindowScale ? kMaxWindowScale : options.scale);
  if (options.inputScript.empty()) return;
  std::ifstream file(options.inputScript, std::ios::binary);
  if (!file) {
    std::cerr << "Cannot read the input script " << options.inputScript << "\n";
    return;
  }
  std::ostringstream text;
  text << file.rdbuf();
  script = ParseInputScript(text.str());
  for (const std::string& error : script.errors) std::cerr << options.inputScript << ": " << error << "\n";
}

EngineBase::~EngineBase() {
  if (logFile != nullptr) std::fclose(logFile);
  if (recordFile != nullptr) std::fclose(recordFile);
}

void EngineBase::AddRef() {
  ++refs;
}

void EngineBase::Release() {
  if (--refs > 0) return;
  hgeForget(this);
  delete this;
}

bool EngineBase::System_Initiate() {
  if (initiated) return true;
  if (!logPath.empty() && !logOpened) OpenLog();
  if (!PlatformInitiate()) {
    PlatformShutdown();
    return false;
  }
  initiated = true;
  return true;
}

void EngineBase::System_Shutdown() {
  PlatformShutdown();
  initiated = false;
  if (logFile != nullptr) std::fclose(logFile);
  logFile = nullptr;
  if (recordFile != nullptr) std::fclose(recordFile);
  recordFile = nullptr;
}

void EngineBase::OpenLog() {
  logOpened = true;
  logFile = std::fopen(logPath.c_str(), "w");
  if (logFile != nullptr) return;
  // A data folder installed read-only: the log goes to the user's state folder instead.
  const std::string fallback = FallbackLogPath(logPath);
  if (fallback.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(fallback).parent_path(), ignored);
  logFile = std::fopen(fallback.c_str(), "w");
}

std::string FallbackLogPath(const std::string& logPath) {
  const char* state = std::getenv("XDG_STATE_HOME");
  const char* home = std::getenv("HOME");
  std::string dir;
  if (state != nullptr && state[0] == '/') {
    dir = state;
  } else if (home != nullptr && home[0] != '\0') {
    dir = std::string(home) + "/.local/state";
  } else {
    return "";
  }
  return dir + "/duskhollow/" + std::filesystem::path(logPath).filename().string();
}

void EngineBase::System_Log(const char* format, ...) {
  if (format == nullptr || logPath.empty()) return;
  if (!logOpened) OpenLog();
  if (logFile == nullptr) return;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string line;
  if (length > 0) {
    line.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(&line[0], line.size(), format, args);
    line.resize(static_cast<size_t>(length));
  }
  va_end(args);
  std::fprintf(logFile, "%s\n", ToUtf8(line).c_str());
  std::fflush(logFile);
}

void EngineBase::System_SetState(hgeBoolState state, bool value) {
  switch (state) {
    case HGE_WINDOWED:
      windowed = value;
      break;
    case HGE_HIDEMOUSE:
      hideMouse = value;
      break;
    case HGE_SHOWSPLASH:
      showSplash = value;
      break;
  }
  StateChanged();
}

void EngineBase::System_SetState(hgeFuncState state, hgeCallback value) {
  switch (state) {
    case HGE_FRAMEFUNC:
      frameFunc = value;
      break;
    case HGE_RENDERFUNC:
      renderFunc = value;
      break;
    case HGE_EXITFUNC:
      exitFunc = value;
      break;
    case HGE_GFXRESTOREFUNC:
      restoreFunc = value;
      break;
  }
}

void EngineBase::System_SetState(hgeIntState state, int value) {
  switch (state) {
    case HGE_SCREENWIDTH:
      if (!initiated && value > 0) screenWidth = value;
      break;
    case HGE_SCREENHEIGHT:
      if (!initiated && value > 0) screenHeight = value;
      break;
    case HGE_SCREENBPP:
      screenBpp = value;
      break;
    case HGE_FPS:
      frameRate = value < HGEFPS_VSYNC ? HGEFPS_UNLIMITED : value;
      break;
    case HGE_SCALE:
      windowScale = value < 0 ? 0 : (value > kMaxWindowScale ? kMaxWindowScale : value);
      break;
    case HGE_MAXSCALE:
      break;
  }
  StateChanged();
}

void EngineBase::System_SetState(hgeStringState state, const char* value) {
  const std::string text = value != nullptr ? value : "";
  switch (state) {
    case HGE_TITLE:
      title = text;
      break;
    case HGE_INIFILE:
      iniPath = text;
      ini.SetPath(text);
      break;
    case HGE_LOGFILE:
      if (text != logPath) {
        if (logFile != nullptr) std::fclose(logFile);
        logFile = nullptr;
        logOpened = false;
        logPath = text;
      }
      break;
  }
  StateChanged();
}

bool EngineBase::System_GetState(hgeBoolState state) {
  switch (state) {
    case HGE_WINDOWED:
      return windowed;
    case HGE_HIDEMOUSE:
      return hideMouse;
    case HGE_SHOWSPLASH:
      return showSplash;
  }
  return false;
}

hgeCallback EngineBase::System_GetState(hgeFuncState state) {
  switch (state) {
    case HGE_FRAMEFUNC:
      return frameFunc;
    case HGE_RENDERFUNC:
      return renderFunc;
    case HGE_EXITFUNC:
      return exitFunc;
    case HGE_GFXRESTOREFUNC:
      return restoreFunc;
  }
  return nullptr;
}

int EngineBase::System_GetState(hgeIntState state) {
  switch (state) {
    case HGE_SCREENWIDTH:
      return screenWidth;
    case HGE_SCREENHEIGHT:
      return screenHeight;
    case HGE_SCREENBPP:
      return screenBpp;
    case HGE_FPS:
      return frameRate;
    case HGE_SCALE:
      return windowScale;
    case HGE_MAXSCALE:
      return PlatformMaxScale();
  }
  return 0;
}

const char* EngineBase::System_GetState(hgeStringState state) {
  switch (state) {
    case HGE_TITLE:
      return title.c_str();
    case HGE_INIFILE:
      return iniPath.c_str();
    case HGE_LOGFILE:
      return logPath.c_str();
  }
  return "";
}

void* EngineBase::Resource_Load(const char* filename, uint32_t* size) {
  if (size != nullptr) *size = 0;
  if (filename == nullptr) return nullptr;
  std::ifstream file(filename, std::ios::binary);
  if (!file) return nullptr;
  std::ostringstream content;
  content << file.rdbuf();
  const std::string bytes = content.str();
  if (bytes.size() > UINT32_MAX) return nullptr;
  void* data = std::malloc(bytes.size() + 1);
  if (data == nullptr) return nullptr;
  bytes.copy(static_cast<char*>(data), bytes.size());
  static_cast<char*>(data)[bytes.size()] = '\0';
  if (size != nullptr) *size = static_cast<uint32_t>(bytes.size());
  return data;
}

void EngineBase::Resource_Free(void* res) {
  std::free(res);
}

int EngineBase::Ini_GetInt(const char* section, const char* name, int def) {
  const std::string* value = ini.Find(section, name, frame);
  return value != nullptr ? IniFile::LeadingInt(*value) : def;
}

float EngineBase::Ini_GetFloat(const char* section, const char* name, float def) {
  const std::string* value = ini.Find(section, name, frame);
  return value != nullptr ? IniFile::LeadingFloat(*value) : def;
}

void EngineBase::Random_Seed(int seed) {
  uint32_t value = static_cast<uint32_t>(seed);
  if (seed == 0) {
    if (options.seeded) {
      value = options.seed;
    } else {
      const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
      value = static_cast<uint32_t>(std::time(nullptr)) ^ static_cast<uint32_t>(ticks);
    }
  }
  usedSeed = value;
  random.Seed(value);
}

void EngineBase::Input_GetMousePos(float* x, float* y) {
  if (x != nullptr) *x = input.mouseX;
  if (y != nullptr) *y = input.mouseY;
}

void EngineBase::Input_SetMousePos(float x, float y) {
  input.mouseX = x;
  input.mouseY = y;
}

void EngineBase::System_ErrorBox(const char* text) {
  const std::string message = text != nullptr ? text : "";
  errorBoxes.push_back(message);
  ShowErrorBox(ToUtf8(message));
}
