// Parsing and writing input scripts.
#include "engine/core/input_script.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

// Limits that keep a script's numbers sane for the game.
constexpr long long kMaxFrame = 1000000000LL;
constexpr double kMaxCoordinate = 100000.0;
constexpr double kMaxDelta = 3600.0;
constexpr long long kMaxNotches = 1000;

struct KeyName {
  const char* name;
  int code;
};

// Names beyond single letters, digits and F1..F12; the first name of a code is the one written.
const KeyName kKeyNames[] = {
    {"LBUTTON", 0x01}, {"RBUTTON", 0x02}, {"MBUTTON", 0x04}, {"BACKSPACE", 0x08}, {"TAB", 0x09},
    {"ENTER", 0x0D},   {"RETURN", 0x0D},  {"SHIFT", 0x10},   {"CTRL", 0x11},      {"ALT", 0x12},
    {"ESCAPE", 0x1B},  {"ESC", 0x1B},     {"SPACE", 0x20},   {"PGUP", 0x21},      {"PGDN", 0x22},
    {"END", 0x23},     {"HOME", 0x24},    {"LEFT", 0x25},    {"UP", 0x26},        {"RIGHT", 0x27},
    {"DOWN", 0x28},    {"INSERT", 0x2D},  {"DELETE", 0x2E},
};

std::string Upper(const std::string& s) {
  std::string out = s;
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// Whole token as an integer (decimal, or hex with 0x); false when anything is left over or it overflows.
bool ParseInteger(const std::string& token, long long* value) {
  if (token.empty()) return false;
  const bool hex = token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X');
  const size_t start = hex ? 2 : (token[0] == '-' || token[0] == '+' ? 1 : 0);
  if (start >= token.size()) return false;
  for (size_t i = start; i < token.size(); ++i) {
    const char c = token[i];
    const bool digit = (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    if (!digit) return false;
  }
  errno = 0;
  char* end = nullptr;
  *value = std::strtoll(token.c_str(), &end, hex ? 16 : 10);
  return errno == 0 && end != nullptr && *end == '\0';
}

// Whole token as a finite decimal number.
bool ParseNumber(const std::string& token, double* value) {
  if (token.empty()) return false;
  for (char c : token) {
    const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!ok) return false;
  }
  errno = 0;
  char* end = nullptr;
  *value = std::strtod(token.c_str(), &end);
  return errno == 0 && end != nullptr && *end == '\0' && std::isfinite(*value);
}

// Parses one line's tokens into `event`; returns "" or the reason the line is bad.
std::string ParseLine(const std::vector<std::string>& tokens, InputEvent* event) {
  long long frame = 0;
  if (!ParseInteger(tokens[0], &frame) || frame < 1 || frame > kMaxFrame) {
    return "bad frame number '" + tokens[0] + "'";
  }
  event->frame = static_cast<int>(frame);
  if (tokens.size() < 2) return "missing command";
  const std::string command = Upper(tokens[1]);
  const size_t args = tokens.size() - 2;
  if (command == "MOUSE") {
    if (args != 2) return "mouse needs X and Y";
    double x = 0.0, y = 0.0;
    if (!ParseNumber(tokens[2], &x) || !ParseNumber(tokens[3], &y) || std::fabs(x) > kMaxCoordinate ||
        std::fabs(y) > kMaxCoordinate) {
      return "bad mouse position";
    }
    event->kind = InputEvent::Mouse;
    event->x = static_cast<float>(x);
    event->y = static_cast<float>(y);
    return "";
  }
  if (command == "DOWN" || command == "UP") {
    if (args != 1) return "needs one key";
    const int key = KeyCodeFromText(tokens[2]);
    if (key == 0) return "unknown key '" + tokens[2] + "'";
    event->kind = command == "DOWN" ? InputEvent::Down : InputEvent::Up;
    event->key = key;
    return "";
  }
  if (command == "DT") {
    double dt = 0.0;
    if (args != 1 || !ParseNumber(tokens[2], &dt) || dt < 0.0 || dt > kMaxDelta) return "bad frame time";
    event->kind = InputEvent::Delta;
    event->x = static_cast<float>(dt);
    return "";
  }
  if (command == "WHEEL") {
    long long notches = 0;
    if (args != 1 || !ParseInteger(tokens[2], &notches) || notches < -kMaxNotches || notches > kMaxNotches) {
      return "bad wheel notches";
    }
    event->kind = InputEvent::Wheel;
    event->key = static_cast<int>(notches);
    return "";
  }
  return "unknown command '" + tokens[1] + "'";
}

}  // namespace

int KeyCodeFromText(const std::string& text) {
  const std::string name = Upper(text);
  if (name.empty()) return 0;
  if (name[0] >= '0' && name[0] <= '9') {
    if (name.size() == 1) return name[0];  // the digit keys 0..9
    long long code = 0;
    if (!ParseInteger(name, &code) || code < 1 || code > 255) return 0;
    return static_cast<int>(code);
  }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    long long n = 0;
    if (ParseInteger(name.substr(1), &n) && n >= 1 && n <= 12 && name[1] != '0') {
      return 0x70 + static_cast<int>(n) - 1;
    }
  }
  for (const KeyName& k : kKeyNames) {
    if (name == k.name) return k.code;
  }
  return 0;
}

std::string KeyCodeToText(int key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= 0x70 && key <= 0x7B) return "F" + std::to_string(key - 0x70 + 1);
  for (const KeyName& k : kKeyNames) {
    if (k.code == key) return k.name;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%02X", key & 0xFF);
  return buffer;
}

std::string FormatInputEvent(const InputEvent& event) {
  char buffer[96];
  const int f = event.frame;
  switch (event.kind) {
    case InputEvent::Mouse:
      std::snprintf(buffer, sizeof buffer, "%d mouse %.9g %.9g", f, event.x, event.y);
      break;
    case InputEvent::Down:
      std::snprintf(buffer, sizeof buffer, "%d down %s", f, KeyCodeToText(event.key).c_str());
      break;
    case InputEvent::Up:
      std::snprintf(buffer, sizeof buffer, "%d up %s", f, KeyCodeToText(event.key).c_str());
      break;
    case InputEvent::Wheel:
      std::snprintf(buffer, sizeof buffer, "%d wheel %d", f, event.key);
      break;
    case InputEvent::Delta:
      std::snprintf(buffer, sizeof buffer, "%d dt %.9g", f, event.x);
      break;
  }
  return buffer;
}

InputScript ParseInputScript(const std::string& text) {
  InputScript script;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::vector<std::string> tokens;
    std::string token;
    while (words >> token) tokens.push_back(token);
    if (tokens.empty()) continue;
    InputEvent event;
    const std::string error = ParseLine(tokens, &event);
    if (error.empty()) {
      script.events.push_back(event);
    } else {
      script.errors.push_back("line " + std::to_string(number) + ": " + error);
    }
  }
  std::stable_sort(script.events.begin(), script.events.end(),
                   [](const InputEvent& a, const InputEvent& b) { return a.frame < b.frame; });
  return script;
}
