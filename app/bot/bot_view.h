// Where things are on the screen for the bot: map cells, the head-up display's rectangles, GUI buttons.
#pragma once

#include "app/bot/bot_random.h"

class hgeGUI;

// A point on the screen.
struct BotPoint {
  float x, y;
};

// A random point inside map cell `cell` that lies on the map's part of the screen (not under the head-up
// display, not in a scrolling band); false when the cell cannot be pointed at now.
bool CellPoint(int cell, BotRandom& rng, BotPoint* out);
// A random point inside the enabled head-up display rectangle `id`; false when there is none.
bool HudPoint(int id, BotRandom& rng, BotPoint* out);
// A random point inside the visible, enabled control `id` of `gui`; false when there is none.
bool GuiPoint(const hgeGUI* gui, int id, BotRandom& rng, BotPoint* out);
// A random point inside the rectangle (x, y, w, h).
BotPoint PointIn(float x, float y, float w, float h, BotRandom& rng);
