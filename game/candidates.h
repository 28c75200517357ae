// Team candidates: drawing a new person's numbers without repeating the team's, and building it.
#pragma once

#include <functional>

class Person;

// Number of first names, professions and trait values a candidate is drawn from.
constexpr int FIRST_NAME_COUNT = 8;
constexpr int PROFESSION_COUNT = 11;
constexpr int TRAIT_COUNT = 13;

// The first value at or after `draw` (cyclically over 0..n-1) for which `taken` is false; `draw` itself
// when every value is taken.
int FirstFreeValue(int draw, int n, const std::function<bool(int)>& taken);

// Makes a new candidate whose name, profession, photo and trait no team member has; with excludeFirst
// also none that `first` (the other candidate of the pair) has.
Person* MakeCandidate(bool excludeFirst, const Person* first);
