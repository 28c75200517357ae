// The bot's runs: one game played in this process, and the supervisor that plays many, each in a fresh
// process of this program.
#pragma once

#include <string>

#include "app/cli.h"

// Frames a bot game may last when the command line sets no --frames.
constexpr int BOT_FRAME_CAP = 40000;

// Exit status of a bot game that found violations; any other non-zero status means the game ended abnormally
// (a sanitizer's finding, a crash).
constexpr int BOT_EXIT_VIOLATIONS = 3;

// Plays one game in this process with the bot's input and the invariant checks after every frame; prints
// the game's result line on stdout; returns 0 when no invariant was violated, else BOT_EXIT_VIOLATIONS.
int RunBotGame(const CommandLine& cl);
// Plays cl.botGames games, each in a fresh run of this program with the data folder `dataDir`; prints the
// summary line on stdout; returns 0 when no game violated an invariant or ended abnormally.
int RunBotGames(const CommandLine& cl, const std::string& dataDir);
// The seed of game `index` of a bot run seeded with `seed`; the first game plays `seed` itself.
unsigned BotGameSeed(unsigned seed, int index);
