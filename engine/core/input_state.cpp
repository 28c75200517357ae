// Per-frame key, mouse and wheel state.
#include "engine/core/input_state.h"

#include "engine/hge.h"

namespace {

// The character a key types, as the Windows keyboard would give it with or without Shift.
int CharacterOf(int key, bool shift) {
  if (key >= 'A' && key <= 'Z') return shift ? key : key - 'A' + 'a';
  if (key >= '0' && key <= '9' && !shift) return key;
  switch (key) {
    case HGEK_SPACE:
    case HGEK_ENTER:
    case HGEK_ESCAPE:
    case HGEK_BACKSPACE:
    case HGEK_TAB:
      return key;
    default:
      return 0;
  }
}

}  // namespace

void InputState::BeginFrame() {
  for (uint8_t& f : flags) f &= kHeld;
  wheel = 0;
  key = 0;
  chr = 0;
}

void InputState::Press(int code) {
  if (!Valid(code) || (flags[code] & kHeld) != 0) return;
  flags[code] |= kWentDown | kHeld;
  key = code;
  chr = CharacterOf(code, Held(HGEK_SHIFT));
}

void InputState::Lift(int code) {
  if (!Valid(code)) return;
  flags[code] = static_cast<uint8_t>((flags[code] & ~kHeld) | kWentUp);
}

void InputState::Apply(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Mouse:
      mouseX = event.x;
      mouseY = event.y;
      break;
    case InputEvent::Down:
      Press(event.key);
      break;
    case InputEvent::Up:
      Lift(event.key);
      break;
    case InputEvent::Wheel:
      wheel += event.key;
      break;
    case InputEvent::Delta:
      break;
  }
}
