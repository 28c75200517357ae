// Placeholder until the start-up sequence lands.
#include "app/shell.h"

HGE* hge = nullptr;
int screenState = 0;
float screenTimer = 0.0f;

int RunGame() { return 0; }
