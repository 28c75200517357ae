// Person: construction of zombies and team members, drawing, names and the bag.
#include "game/person.h"

#include <algorithm>

#include "engine/language.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/messages.h"
#include "game/passport.h"
#include "game/random.h"
#include "game/world.h"

HTEXTURE manTextures[5] = {};
HTEXTURE zombieTexture = 0;

namespace {

// Frame size of the figure sheets.
constexpr float kFrameW = 58.0f;
constexpr float kFrameH = 83.0f;

int SizeOf(const std::vector<Item*>& bag) {
  int load = 0;
  for (const Item* item : bag) load += item->size;
  return load;
}

// The first name of number `n` as written in Russian (UTF-8); the last name for a number out of range.
const char* FirstNameText(int32_t n) {
  static const char* const kNames[] = {
      N_("Сергей"), N_("Максим"), N_("Володя"), N_("Антон"), N_("Миша"), N_("Саша"), N_("Женя"), N_("Игорь"),
  };
  constexpr int32_t kNameCount = sizeof(kNames) / sizeof(kNames[0]);
  return kNames[n >= 0 && n < kNameCount ? n : kNameCount - 1];
}

// "Name (skill, skill)" with every part given as its Russian text to `words` (Tr or a plain conversion).
std::string NameWithSkills(const Person& p, std::string (*words)(const char*)) {
  std::string name = words(FirstNameText(p.firstName));
  if (!p.skills.empty()) {
    name += " (";
    for (size_t i = 0; i < p.skills.size(); ++i) {
      if (i > 0) name += ", ";
      name += words(SkillText(p.skills[i]));
    }
    name += ")";
  }
  return name;
}

}  // namespace

Person::Person(HTEXTURE texture) : sprite(new hgeSprite(texture, 0.0f, 0.0f, kFrameW, kFrameH)), isZombie(1) {
  direction = static_cast<int16_t>(RandomInt(DIR_UP, DIR_LEFT));
  life = 1;
  maximum = 1;
  actionPoints = 2;
}

Person::Person(HTEXTURE texture, int32_t firstNumber, int32_t professionNumber, int32_t photoNumber,
               int32_t traitNumber)
    : sprite(new hgeSprite(texture, 0.0f, 0.0f, kFrameW, kFrameH)), alive(1), hands(new Item(ITEM_HANDS)) {
  active = hands;
  firstName = firstNumber;
  photo = photoNumber;
  life = maximum = actionPoints = 4;
  searchable.assign(std::max(searchSpotCount, 0), true);
  profession = professionNumber;
  trait = traitNumber;
  ApplyProfession(*this);
  description += "\n";
  ApplyTrait(*this);

  // Armour, backpack and holster go into their slots while the slot is free.
  for (auto it = bag.begin(); it != bag.end();) {
    Item* item = *it;
    Item** slot = nullptr;
    int16_t extra = 0;
    if (item->kind == KIND_ARMOUR) {
      slot = &armour;
    } else if (item->kind == KIND_BACKPACK) {
      slot = &backpack;
      extra = 3;
    } else if (item->kind == KIND_HOLSTER) {
      slot = &holster;
      extra = 1;
    }
    if (slot != nullptr && *slot == nullptr) {
      *slot = item;
      bagCapacity = static_cast<int16_t>(bagCapacity + extra);
      it = bag.erase(it);
    } else {
      ++it;
    }
  }
  // What still does not fit is left behind, chosen at random.
  while (!bag.empty() && SizeOf(bag) > bagCapacity) {
    const int index = RandomInt(0, static_cast<int32_t>(bag.size()) - 1);
    delete bag[index];
    bag.erase(bag.begin() + index);
  }
  RecountBag();

  displayName = NameWithSkills(*this, [](const char* russian) { return ToCp1251(russian); });
  if (!bag.empty()) active = bag.front();
}

Person::~Person() {
  delete sprite;
}

void Person::Draw(float viewX, float viewY, int cellW, int cellH) {
  sprite->Render(static_cast<float>(x * cellW) - viewX + drawX,
                 static_cast<float>(y * cellH) - viewY + drawY);
}

void Person::ShowFrame(int column, int row) {
  sprite->SetTextureRect(kFrameW * column, kFrameH * row, kFrameW, kFrameH);
}

void Person::SetDirection(int dir) {
  direction = static_cast<int16_t>(dir);
  ShowFrame(0, dir - 1);
}

std::string Person::FirstName() const {
  return Tr(FirstNameText(firstName));
}

std::string Person::DisplayName() const {
  // The name is kept in Russian (saves hold it so); another language builds it from its parts.
  if (CurrentLanguage() == Language::Russian) return displayName;
  return NameWithSkills(*this, Tr);
}

std::string Person::DescriptionText() const {
  // The kept Russian description is a profession text and a trait text, one line each.
  if (CurrentLanguage() == Language::Russian) return description;
  std::string text;
  size_t start = 0;
  while (start <= description.size()) {
    const size_t end = std::min(description.find('\n', start), description.size());
    const std::string line = description.substr(start, end - start);
    if (!line.empty()) text += Tr(ToUtf8(line).c_str());
    if (end < description.size()) text += '\n';
    start = end + 1;
  }
  return text;
}

void Person::RecountBag() {
  bagLoad = static_cast<int16_t>(SizeOf(bag));
}

bool Person::PutIntoBag(Item* item, int source) {
  if (item == nullptr || source < SRC_ELSEWHERE || source > SRC_KEYS) return false;
  if (source == SRC_BAG) {
    active = item;
    ShowMessage(ItemName(item->type));
    return false;
  }
  // Taking a backpack or holster out of its slot also takes its extra room away.
  int room = bagCapacity;
  if (source == SRC_BACKPACK) room -= 3;
  if (source == SRC_HOLSTER) room -= 1;
  if (bagLoad + item->size > room) return false;

  bag.push_back(item);
  bagLoad = static_cast<int16_t>(bagLoad + item->size);
  switch (source) {
    case SRC_ARMOUR:
      armour = nullptr;
      break;
    case SRC_KEYS:
      keys = nullptr;
      break;
    case SRC_BACKPACK:
      backpack = nullptr;
      bagCapacity = static_cast<int16_t>(bagCapacity - 3);
      break;
    case SRC_HOLSTER:
      holster = nullptr;
      bagCapacity = static_cast<int16_t>(bagCapacity - 1);
      break;
    default:
      break;
  }
  return true;
}

void Person::RemoveFromBag(Item* item) {
  auto it = std::find(bag.begin(), bag.end(), item);
  if (it == bag.end()) return;
  if (active == item) active = hands;
  bagLoad = static_cast<int16_t>(bagLoad - item->size);
  bag.erase(it);
}

void Person::AddAction(int type, float p1, float p2, bool append) {
  const person_action_struct action{static_cast<int16_t>(type), p1, p2};
  if (append) {
    actions.push_back(action);
  } else {
    actions.insert(actions.begin(), action);
  }
}

bool HasSkill(int i, int skill) {
  if (i < 0 || i >= static_cast<int>(team.size()) || team[i] == nullptr) return false;
  const std::vector<int32_t>& skills = team[i]->skills;
  return std::find(skills.begin(), skills.end(), skill) != skills.end();
}
