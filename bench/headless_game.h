// The one headless game of the benchmark program, started on first use and kept for every benchmark.
#pragma once

// True when the headless game with four members and full zombies is running (started on the first call).
bool HeadlessGame();
