// Shared set-up of the rule tests: one fake engine for the program, fed random numbers, and clean-up.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/sounds.h"
#include "config/settings.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "support/fake_engine.h"
#include "ui/resources.h"

class RulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hge = &Engine();
    Engine().ClearRecords();
    Numbers().clear();
    SetRandomSource([] {
      if (Numbers().empty()) return static_cast<int>(NextRaw());
      const int number = Numbers().front();
      Numbers().pop_front();
      return number;
    });
    SeedRandom(7);
    team.clear();
    zombies.clear();
    mapCellW = 40.0f;
    mapCellH = 30.0f;
    searchSpotCount = 0;
    PASS_PHOTO_NUM = 5;
    for (int i = 0; i < 5; ++i) manTextures[i] = 100 + i;
    zombieTexture = 105;
  }

  void TearDown() override {
    for (Person* p : made) {
      for (Item* item : p->bag) delete item;
      for (Item* item : {p->armour, p->keys, p->backpack, p->holster, p->hands}) delete item;
      delete p;
    }
    SetRandomSource(nullptr);
    team.clear();
    zombies.clear();
    hge = nullptr;
  }

  // The one fake engine of the test program; the sound table is loaded into it once.
  static FakeEngine& Engine() {
    static FakeEngine* engine = [] {
      auto* fake = new FakeEngine();  // lives to the end of the program, as the real engine does
      hgeInstall(fake);
      for (HTEXTURE tex = 100; tex < 106; ++tex) fake->SetTextureSize(tex, 522, 664);
      hge = fake;
      LoadSounds();
      return fake;
    }();
    return *engine;
  }

  // Raw numbers for RandomInt / RandomFloat; when they run out the runtime generator is used.
  static std::deque<int>& Numbers() {
    static std::deque<int> numbers;
    return numbers;
  }
  static void Feed(std::initializer_list<int> numbers) { Numbers().insert(Numbers().end(), numbers); }
  static size_t Unused() { return Numbers().size(); }
  // The raw number that makes RandomFloat(0, 1) return `roll` (a multiple of 0.001).
  static int Roll(double roll) { return static_cast<int>(std::lround(roll * 1000.0)); }
  // Windows-1251 from a UTF-8 literal, for comparing game texts.
  static std::string W(const char* utf8) { return ToCp1251(utf8); }

  // The column and row of the frame a person's sprite shows.
  static std::pair<int, int> FrameOf(const Person& person) {
    float x = 0.0f, y = 0.0f;
    person.sprite->GetTextureRect(&x, &y, nullptr, nullptr);
    return {static_cast<int>(x / 58.0f), static_cast<int>(y / 83.0f)};
  }

  static std::vector<int> Types(const std::vector<Item*>& items) {
    std::vector<int> types;
    for (const Item* item : items) types.push_back(item->type);
    return types;
  }

  // Keeps a person made by the test; it is deleted with every item it holds at the end.
  Person* Keep(Person* person) {
    made.push_back(person);
    return person;
  }

  std::vector<Person*> made;
};
