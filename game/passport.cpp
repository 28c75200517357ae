// The profession and trait rules of a new team member, in the order their draws are made.
#include "game/passport.h"

#include "engine/language.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/random.h"

namespace {

// A fresh roll below x.
bool Chance(float x) {
  return RandomFloat(0.0f, 1.0f) < x;
}

// The description is kept in Russian; Person::DescriptionText shows it in the language in force.
void Text(Person& p, const char* utf8) {
  p.description += ToCp1251(utf8);
}
void Give(Person& p, int32_t type) {
  p.bag.push_back(new Item(type));
}
void Learn(Person& p, int32_t skill) {
  p.skills.push_back(skill);
}

void Cook(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, N_("Повар. Хорошо владеет ножами."));
  } else {
    Text(p, N_("Мясник. Однажды на спор разделал свиную тушу за 5 минут."));
  }
  Learn(p, SKILL_KNIVES);
  if (Chance(0.6f)) Give(p, ITEM_KITCHEN_KNIFE);
}

void Soldier(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, N_("Военный. Все началось прямо в казарме."));
    if (Chance(0.33f)) Give(p, ITEM_ASSAULT_RIFLE);
    if (Chance(0.33f)) Learn(p, SKILL_ASSAULT_RIFLES);
  } else {
    Text(p, N_("Военный. Офицеры бывшими не бывают."));
    if (Chance(0.4f)) Give(p, ITEM_PISTOL);
    Learn(p, SKILL_PISTOL);
  }
}

void Doctor(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, N_("Врач. За 3 года работы в неотложке многое повидал, но не такое."));
  } else {
    Text(p, N_("Врач. Больше привык лечить, а не калечить."));
  }
  Learn(p, SKILL_HEALING);
  switch (RandomInt(0, 6)) {
    case 0:
      Give(p, ITEM_DOCTORS_BAG);
      break;
    case 1:
      Give(p, ITEM_FIRST_AID_KIT);
      Give(p, ITEM_PAINKILLER);
      break;
    case 2:
      Give(p, ITEM_DOCTORS_BAG);
      Give(p, ITEM_ADRENALINE);
      break;
    case 3:
      Give(p, ITEM_VITAMINS);
      Give(p, ITEM_PAINKILLER);
      break;
    default:
      break;
  }
}

void Plumber(Person& p) {
  Text(p, N_("Сантехник. Часто с коллегами играл в городки разводными ключами. Перед вами бессменный лидер этой "
       "забавы."));
  Learn(p, SKILL_PIPE_WRENCH);
  switch (RandomInt(0, 6)) {
    case 0:
      Give(p, ITEM_PIPE_WRENCH);
      break;
    case 1:
      Give(p, ITEM_HAMMER);
      break;
    case 2:
      Give(p, ITEM_SHOVEL);
      break;
    default:
      break;
  }
}

void Postman(Person& p) {
  Text(p, N_("Почтальон. Владелец посылки пытался его покусать, так что ее содержимое он присвоил себе."));
  Give(p, RandomInt(ITEM_HOLSTER, ITEM_CROSSBOW));
  if (Chance(0.25f)) Give(p, RandomInt(ITEM_HOLSTER, ITEM_CROSSBOW));
}

// A policeman's service weapon with its holster, and the skill to use it.
void ServiceWeapon(Person& p, int32_t weapon, int32_t skill) {
  if (Chance(0.4f)) {
    Give(p, weapon);
    if (Chance(0.35f)) Give(p, ITEM_HOLSTER);
  }
  if (Chance(0.4f)) Learn(p, skill);
}

void Policeman(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, N_("Полицейский. Похоже, что сегодняшнее дежурство никогда не закончится."));
  } else {
    Text(p, N_("Полицейский. Старое ранение болит... ох не к добру это."));
  }
  switch (RandomInt(0, 4)) {
    case 0:
      ServiceWeapon(p, ITEM_PISTOL, SKILL_PISTOL);
      break;
    case 1:
      ServiceWeapon(p, ITEM_REVOLVER, SKILL_REVOLVER);
      break;
    case 2:
      Give(p, Chance(0.4f) ? ITEM_CARTRIDGES : ITEM_AMMO_BOX);
      break;
    default:
      break;
  }
  if (Chance(0.25f)) Give(p, ITEM_SHOTGUN);
}

void Detective(Person& p) {
  Text(p, N_("Детектив. Поможет ли цепкий глаз и хорошая память против зомби?"));
  Learn(p, SKILL_DETECTIVE);
}

void Woodsman(Person& p) {
  if (RandomInt(0, 1) == 1) {
    Text(p, N_("Лесоруб. Профессионально пользуется бензопилой и топором."));
    Learn(p, SKILL_AXES);
    Learn(p, SKILL_CHAINSAWS);
    if (Chance(0.3f)) {
      Give(p, ITEM_AXE);
    } else if (Chance(0.15f)) {
      Give(p, ITEM_CHAINSAW);
    }
  } else {
    Text(p, N_("Лесник. Какой черт дернул именно сегодня поехать в город за спичками и солью?"));
    const int32_t gun = RandomInt(0, 3);
    if (gun == 0) Give(p, ITEM_HUNTING_GUN);
    if (gun == 1) Give(p, ITEM_RIFLE);
  }
}

void Guard(Person& p) {
  if (RandomInt(0, 1) == 1) {
    Text(p, N_("Охранник. Был на смене когда началось."));
    if (Chance(0.4f)) Learn(p, SKILL_BATON);
    if (Chance(0.4f)) Give(p, ITEM_BATON);
  } else {
    Text(p, N_("Сторож. Директор склада покусал главного бухгалтера. Пора бросать эту работу."));
    if (Chance(0.4f)) Give(p, ITEM_REVOLVER);
    if (Chance(0.4f)) Give(p, RandomInt(ITEM_HOLSTER, ITEM_CROSSBOW));
  }
}

void Biker(Person& p) {
  if (RandomInt(0, 1) == 1) {
    Text(p, N_("Байкер. Надо выбираться из города побыстрее."));
    Learn(p, SKILL_CHAIN);
    Give(p, RandomInt(0, 3) == 0 ? ITEM_CHAIN : ITEM_KNUCKLEDUSTER);
  } else {
    Text(p, N_("Байкер. Только оправился после аварии, а тут такое."));
    Learn(p, SKILL_CROWBAR);
    Give(p, RandomInt(0, 3) == 0 ? ITEM_SAWN_OFF : ITEM_CROWBAR);
  }
  Give(p, ITEM_BIKER_JACKET);
}

void Redneck(Person& p) {
  Text(p, N_("Деревенщина. Надо убираться подальше от города, от этих проблем."));
  if (Chance(0.4f)) Give(p, ITEM_HAMMER);
  if (Chance(0.4f)) Give(p, ITEM_NAIL_GUN);
}

void Gymnast(Person& p) {
  Text(p, N_("Гимнаст. Имеет феноменальную гибкость, за счет долгих тренировок."));
  Learn(p, SKILL_GYMNAST);
}

// Professions whose own service leaves no room for some traits.
bool IsArmed(const Person& p) {
  return p.profession == 1 || p.profession == 5;
}

}  // namespace

void ApplyProfession(Person& p) {
  // Profession 11 has no text and gives nothing; 12 is never drawn for a candidate.
  static void (*const kRules[])(Person&) = {
      Cook,     Soldier, Doctor, Plumber, Postman, Policeman, Detective,
      Woodsman, Guard,   Biker,  Redneck, nullptr, Gymnast,
  };
  constexpr int kRuleCount = sizeof(kRules) / sizeof(kRules[0]);
  if (p.profession >= 0 && p.profession < kRuleCount && kRules[p.profession] != nullptr)
    kRules[p.profession](p);
}

void ApplyTrait(Person& p) {
  switch (p.trait) {
    case 1:
      Text(p, N_("Может одним ударом сломать челюсть."));
      Learn(p, SKILL_BOXER);
      break;
    case 2:
      Text(p, N_("Увлекался книгами про Робин-Гуда."));
      Learn(p, SKILL_BOW);
      break;
    case 3:
      Text(p, N_("Был волонтером Красного Креста."));
      Learn(p, SKILL_HEALING);
      break;
    case 4:
      Text(p, N_("После юношеской травмы спины не чувствует боли."));
      Learn(p, SKILL_ANALGESIA);
      break;
    case 5:
      Text(p, N_("Отец всегда брал его на охоту."));
      Learn(p, SKILL_HUNTING_GUN);
      break;
    case 6:
      if (IsArmed(p)) break;
      Text(p, N_("Занял первое место на соревнованиях по стрельбе."));
      Learn(p, SKILL_REVOLVER);
      Learn(p, SKILL_PISTOL);
      break;
    case 7:
      Text(p, N_("Играл в средней лиге."));
      Learn(p, SKILL_BAT);
      break;
    case 8:
      if (IsArmed(p)) break;
      Text(p, N_("Имеет опыт военной службы."));
      Learn(p, SKILL_ASSAULT_RIFLES);
      Learn(p, SKILL_PISTOL);
      break;
    case 9:
      if (IsArmed(p)) break;
      Text(p, N_("Купил оружие для самообороны."));
      Give(p, RandomInt(0, 1) == 0 ? ITEM_REVOLVER : ITEM_PISTOL);
      break;
    case 10:
      Text(p, N_("Играет в хоккей."));
      Give(p, ITEM_HOCKEY_ARMOUR);
      break;
    case 11:
      Learn(p, SKILL_CANNOT_DRIVE);
      break;
    case 12:
      if (IsArmed(p) || p.profession == 7) break;
      Learn(p, SKILL_FEEBLE);
      Text(p, N_("Дистрофик."));
      p.life = p.maximum = p.actionPoints = 3;
      break;
    default:
      break;
  }
}
