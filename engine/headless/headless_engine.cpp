// Placeholder until the headless backend lands.
#include "engine/core/backends.h"

HGE* CreateHeadlessEngine(const hgeRunOptions&) { return nullptr; }
