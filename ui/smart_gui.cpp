// The clickable-rectangle list.
#include "ui/smart_gui.h"

SmartGui* hudGui = nullptr;

SmartGui::~SmartGui() {
  for (SmartGuiRect* r : rects) delete r;
}

SmartGuiRect* SmartGui::Find(int32_t id) {
  for (SmartGuiRect* r : rects) {
    if (r->id == id) return r;
  }
  return nullptr;
}

bool SmartGui::Add(int32_t id, float x, float y, float width, float height, bool enabled) {
  if (Find(id) != nullptr) return false;
  rects.push_back(new SmartGuiRect{id, enabled, x, y, x + width, y + height, width, height});
  return true;
}

int32_t SmartGui::HitTest(float x, float y) {
  for (const SmartGuiRect* r : rects) {
    if (r->enabled && r->left <= x && x <= r->right && r->top <= y && y <= r->bottom) {
      found = true;
      return r->id;
    }
  }
  found = false;
  return -1;
}

bool SmartGui::Enable(int32_t id) {
  SmartGuiRect* r = Find(id);
  if (r == nullptr) return false;
  r->enabled = true;
  return true;
}

bool SmartGui::Disable(int32_t id) {
  SmartGuiRect* r = Find(id);
  if (r == nullptr) return false;
  r->enabled = false;
  return true;
}
