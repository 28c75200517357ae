// The game screen's drawing: the map, the head-up display over it, the pointer and the developer overlay.
#pragma once

// The game screen's render callback; always false.
bool GameRender();
