// Shared set-up of the rule tests: one fake engine for the program, fed random numbers, and clean-up.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>

#include "support/fake_engine.h"

class Item;
class Person;

class RulesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The one fake engine of the test program (the sound table keeps the first engine it meets).
  static FakeEngine& Engine();
  // Queues raw numbers for RandomInt / RandomFloat; when they run out the runtime generator is used.
  static void Feed(std::initializer_list<int> numbers);
  // Raw numbers fed but not drawn yet.
  static size_t Unused();
  // The raw number that makes RandomFloat(0, 1) return `roll` (a multiple of 0.001).
  static int Roll(double roll);
  // Deletes a person made by a test together with every item it holds.
  static void DeletePerson(Person* person);
  // The sound file an effect handle was loaded from ("" when unknown).
  static std::string SoundOf(uint32_t effect);
  // Windows-1251 from a UTF-8 literal, for comparing game texts.
  static std::string W(const char* utf8);
  // The column and row of the frame a person's sprite shows.
  static std::pair<int, int> FrameOf(const Person& person);

 private:
  static std::deque<int>& Numbers();
  static int NextNumber();
};
