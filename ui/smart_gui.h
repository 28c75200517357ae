// Clickable rectangles of the game screen: an ordered list answering which id lies under a point.
#pragma once

#include <cstdint>
#include <vector>

// One clickable rectangle.
struct SmartGuiRect {
  int32_t id;
  bool enabled;
  float left, top, right, bottom;
  float width, height;
};

// An ordered list of rectangles; the first enabled one under a point wins.
class SmartGui {
 public:
  SmartGui() = default;
  ~SmartGui();
  SmartGui(const SmartGui&) = delete;
  SmartGui& operator=(const SmartGui&) = delete;

  // Appends a rectangle; false (and no change) when the id is already present.
  bool Add(int32_t id, float x, float y, float width, float height, bool enabled);
  // Id of the first enabled rectangle containing (x, y), edges inclusive; -1 when none.
  int32_t HitTest(float x, float y);
  // Whether the last HitTest found a rectangle.
  bool WasHit() const { return found; }
  // Enables the rectangle with this id; false when absent.
  bool Enable(int32_t id);
  // Disables the rectangle with this id; false when absent.
  bool Disable(int32_t id);
  // The rectangles in insertion order.
  const std::vector<SmartGuiRect*>& Rects() const { return rects; }

 private:
  SmartGuiRect* Find(int32_t id);

  std::vector<SmartGuiRect*> rects;
  bool found = false;
};

// The head-up display's list (null until the game screen is first entered).
extern SmartGui* hudGui;
