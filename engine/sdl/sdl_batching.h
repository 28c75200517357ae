// The SDL canvas's batching switch and call count, for measuring what batching saves.
#pragma once

#include <cstdint>

// Whether a run of quads of one texture and blend mode goes to SDL in one call (else one call a quad).
// On unless the environment sets DH_BATCHING=0.
bool SdlBatching();
// Turns batching on or off from the next run of quads on.
void SdlSetBatching(bool on);
// SDL_RenderGeometry calls made by every canvas so far.
uint64_t SdlGeometryCalls();
// Name of the SDL renderer a canvas was last given ("" before any).
const char* SdlRendererName();

// ---- For the canvas ----

// Adds `calls` to the count of SDL_RenderGeometry calls.
void SdlCountGeometryCalls(int calls);
// Keeps the name of the renderer a canvas was given.
void SdlNoteRenderer(const char* name);
