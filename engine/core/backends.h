// Constructors of the backends, used only by hgeCreate.
#pragma once

#include "engine/hge.h"

// A new SDL2 engine (window, renderer, audio) with one reference.
HGE* CreateSdlEngine(const hgeRunOptions& options);
// A new headless engine (no window, fixed frame time, recorded quads) with one reference.
HGE* CreateHeadlessEngine(const hgeRunOptions& options);
// Called by a backend when its last reference is given back (it is no longer handed out or installed).
void hgeForget(HGE* engine);
