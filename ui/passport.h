// Passport cards: painting a person's card and wrapping its description to the card's width.
#pragma once

#include <string>

class hgeFont;
class Person;

// Paints `person`'s card with its top-left corner at (x, y) onto the current render target.
void DrawPassport(const Person& person, float x, float y);
// Breaks each paragraph wider than `width` at spaces; paragraphs that fit stay as they are.
std::string WrapText(const std::string& text, const hgeFont& font, float width);
// "Навыки: " and the person's skill names, or "нет" (Windows-1251).
std::string SkillsLine(const Person& person);
// "С собой: " and the names of the bag's items, or "ничего нет" (Windows-1251).
std::string ItemsLine(const Person& person);
