// The message line: the phrase table, posting a phrase or a text, and the red-to-white flash.
#pragma once

#include <string>
#include <vector>

#include "game/world.h"

class hgeFont;

// Seconds the flash takes from red to white.
constexpr float MESSAGE_FLASH_TIME = 0.5f;

// The font that draws the message line (font 2); null until the interface makes it.
extern hgeFont* messageFont;

// Builds the 19-entry phrase table.
void LoadPhrases();
// The phrase table (Windows-1251), translated anew after a change of language.
const std::vector<std::string>& Phrases();
// Posts phrase `number`; an unknown number posts "Фраза не определена (n)".
void ShowPhrase(int number);
// Posts a ready text.
void ShowMessage(const std::string& text);
// Advances the flash by dt and colours the message font; called once per game frame.
void UpdateMessageFlash(float dt);
