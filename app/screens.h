// Which screen is running, for the dump and the checks.
#pragma once

#include "engine/hge.h"

// The screens in the order a run passes through them (the options screen is a side trip from the menu).
enum class Screen { None, Logo, Menu, Team, Game, End, Options };

// The screen whose callbacks are installed.
extern Screen currentScreen;

// Installs a screen's frame and render callbacks and makes it the current screen.
void InstallScreen(Screen screen, hgeCallback frame, hgeCallback render);

// Name of a screen as the dump writes it ("logo", "menu", ...).
const char* ScreenName(Screen screen);
