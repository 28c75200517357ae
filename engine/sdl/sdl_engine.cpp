// Placeholder until the SDL2 backend lands.
#include "engine/core/backends.h"

HGE* CreateSdlEngine(const hgeRunOptions&) { return nullptr; }
