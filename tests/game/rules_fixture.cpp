// The rule tests' shared fake engine, random feed and clean-up.
#include "rules_fixture.h"

#include <cmath>
#include <cstdlib>

#include "app/shell.h"
#include "app/sounds.h"
#include "config/settings.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/cell_size.h"
#include "game/item.h"
#include "game/person.h"
#include "game/random.h"
#include "game/roster.h"
#include "ui/resources.h"

FakeEngine& RulesTest::Engine() {
  static FakeEngine* engine = [] {
    auto* fake = new FakeEngine();  // lives to the end of the program, as the real engine does
    hgeInstall(fake);
    for (HTEXTURE tex = 100; tex < 106; ++tex) fake->SetTextureSize(tex, 522, 664);
    LoadSounds();
    return fake;
  }();
  return *engine;
}

std::deque<int>& RulesTest::Numbers() {
  static std::deque<int> numbers;
  return numbers;
}

int RulesTest::NextNumber() {
  if (Numbers().empty()) return std::rand();
  const int number = Numbers().front();
  Numbers().pop_front();
  return number;
}

void RulesTest::SetUp() {
  hge = &Engine();
  Engine().ClearRecords();
  Numbers().clear();
  SetRandomSource(&RulesTest::NextNumber);
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

void RulesTest::TearDown() {
  SetRandomSource(nullptr);
  team.clear();
  zombies.clear();
  hge = nullptr;
}

void RulesTest::Feed(std::initializer_list<int> numbers) {
  Numbers().insert(Numbers().end(), numbers.begin(), numbers.end());
}

size_t RulesTest::Unused() {
  return Numbers().size();
}

int RulesTest::Roll(double roll) {
  return static_cast<int>(std::lround(roll * 1000.0));
}

void RulesTest::DeletePerson(Person* person) {
  if (person == nullptr) return;
  for (Item* item : person->bag) delete item;
  delete person->armour;
  delete person->keys;
  delete person->backpack;
  delete person->holster;
  delete person->hands;
  delete person;
}

std::string RulesTest::SoundOf(uint32_t effect) {
  const auto& loaded = Engine().loadedEffects;
  if (effect == 0 || effect > loaded.size()) return "";
  return loaded[effect - 1];
}

std::string RulesTest::W(const char* utf8) {
  return ToCp1251(utf8);
}

std::pair<int, int> RulesTest::FrameOf(const Person& person) {
  float x = 0.0f, y = 0.0f;
  person.sprite->GetTextureRect(&x, &y, nullptr, nullptr);
  return {static_cast<int>(x / 58.0f), static_cast<int>(y / 83.0f)};
}
