// The profession and trait rules of a new team member, in the order their draws are made.
#include "game/passport.h"

#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/random.h"

namespace {

// A fresh roll below x.
bool Chance(float x) {
  return RandomFloat(0.0f, 1.0f) < x;
}

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
    Text(p, "Повар. Хорошо владеет ножами.");
  } else {
    Text(p, "Мясник. Однажды на спор разделал свиную тушу за 5 минут.");
  }
  Learn(p, 0);
  if (Chance(0.6f)) Give(p, 13);
}

void Soldier(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, "Военный. Все началось прямо в казарме.");
    if (Chance(0.33f)) Give(p, 50);
    if (Chance(0.33f)) Learn(p, 1);
  } else {
    Text(p, "Военный. Офицеры бывшими не бывают.");
    if (Chance(0.4f)) Give(p, 42);
    Learn(p, 2);
  }
}

void Doctor(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, "Врач. За 3 года работы в неотложке многое повидал, но не такое.");
  } else {
    Text(p, "Врач. Больше привык лечить, а не калечить.");
  }
  Learn(p, 3);
  switch (RandomInt(0, 6)) {
    case 0:
      Give(p, 12);
      break;
    case 1:
      Give(p, 8);
      Give(p, 7);
      break;
    case 2:
      Give(p, 12);
      Give(p, 11);
      break;
    case 3:
      Give(p, 10);
      Give(p, 7);
      break;
    default:
      break;
  }
}

void Plumber(Person& p) {
  Text(p,
       "Сантехник. Часто с коллегами играл в городки разводными ключами. Перед вами бессменный лидер этой "
       "забавы.");
  Learn(p, 4);
  switch (RandomInt(0, 6)) {
    case 0:
      Give(p, 28);
      break;
    case 1:
      Give(p, 16);
      break;
    case 2:
      Give(p, 40);
      break;
    default:
      break;
  }
}

void Postman(Person& p) {
  Text(p, "Почтальон. Владелец посылки пытался его покусать, так что ее содержимое он присвоил себе.");
  Give(p, RandomInt(2, 34));
  if (Chance(0.25f)) Give(p, RandomInt(2, 34));
}

// A policeman's service weapon with its holster, and the skill to use it.
void ServiceWeapon(Person& p, int32_t weapon, int32_t skill) {
  if (Chance(0.4f)) {
    Give(p, weapon);
    if (Chance(0.35f)) Give(p, 2);
  }
  if (Chance(0.4f)) Learn(p, skill);
}

void Policeman(Person& p) {
  if (RandomInt(0, 1) == 0) {
    Text(p, "Полицейский. Похоже, что сегодняшнее дежурство никогда не закончится.");
  } else {
    Text(p, "Полицейский. Старое ранение болит... ох не к добру это.");
  }
  switch (RandomInt(0, 4)) {
    case 0:
      ServiceWeapon(p, 42, 2);
      break;
    case 1:
      ServiceWeapon(p, 41, 5);
      break;
    case 2:
      Give(p, Chance(0.4f) ? 35 : 36);
      break;
    default:
      break;
  }
  if (Chance(0.25f)) Give(p, 47);
}

void Detective(Person& p) {
  Text(p, "Детектив. Поможет ли цепкий глаз и хорошая память против зомби?");
  Learn(p, 7);
}

void Woodsman(Person& p) {
  if (RandomInt(0, 1) == 1) {
    Text(p, "Лесоруб. Профессионально пользуется бензопилой и топором.");
    Learn(p, 8);
    Learn(p, 9);
    if (Chance(0.3f)) {
      Give(p, 23);
    } else if (Chance(0.15f)) {
      Give(p, 39);
    }
  } else {
    Text(p, "Лесник. Какой черт дернул именно сегодня поехать в город за спичками и солью?");
    const int32_t gun = RandomInt(0, 3);
    if (gun == 0) Give(p, 46);
    if (gun == 1) Give(p, 48);
  }
}

void Guard(Person& p) {
  if (RandomInt(0, 1) == 1) {
    Text(p, "Охранник. Был на смене когда началось.");
    if (Chance(0.4f)) Learn(p, 10);
    if (Chance(0.4f)) Give(p, 21);
  } else {
    Text(p, "Сторож. Директор склада покусал главного бухгалтера. Пора бросать эту работу.");
    if (Chance(0.4f)) Give(p, 41);
    if (Chance(0.4f)) Give(p, RandomInt(2, 34));
  }
}

void Biker(Person& p) {
  if (RandomInt(0, 1) == 1) {
    Text(p, "Байкер. Надо выбираться из города побыстрее.");
    Learn(p, 11);
    Give(p, RandomInt(0, 3) == 0 ? 17 : 22);
  } else {
    Text(p, "Байкер. Только оправился после аварии, а тут такое.");
    Learn(p, 12);
    Give(p, RandomInt(0, 3) == 0 ? 44 : 19);
  }
  Give(p, 5);
}

void Redneck(Person& p) {
  Text(p, "Деревенщина. Надо убираться подальше от города, от этих проблем.");
  if (Chance(0.4f)) Give(p, 16);
  if (Chance(0.4f)) Give(p, 43);
}

void Gymnast(Person& p) {
  Text(p, "Гимнаст. Имеет феноменальную гибкость, за счет долгих тренировок.");
  Learn(p, 6);
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
      Text(p, "Может одним ударом сломать челюсть.");
      Learn(p, 14);
      break;
    case 2:
      Text(p, "Увлекался книгами про Робин-Гуда.");
      Learn(p, 15);
      break;
    case 3:
      Text(p, "Был волонтером Красного Креста.");
      Learn(p, 3);
      break;
    case 4:
      Text(p, "После юношеской травмы спины не чувствует боли.");
      Learn(p, 16);
      break;
    case 5:
      Text(p, "Отец всегда брал его на охоту.");
      Learn(p, 17);
      break;
    case 6:
      if (IsArmed(p)) break;
      Text(p, "Занял первое место на соревнованиях по стрельбе.");
      Learn(p, 5);
      Learn(p, 2);
      break;
    case 7:
      Text(p, "Играл в средней лиге.");
      Learn(p, 18);
      break;
    case 8:
      if (IsArmed(p)) break;
      Text(p, "Имеет опыт военной службы.");
      Learn(p, 1);
      Learn(p, 2);
      break;
    case 9:
      if (IsArmed(p)) break;
      Text(p, "Купил оружие для самообороны.");
      Give(p, RandomInt(0, 1) == 0 ? 41 : 42);
      break;
    case 10:
      Text(p, "Играет в хоккей.");
      Give(p, 4);
      break;
    case 11:
      Learn(p, 19);
      break;
    case 12:
      if (IsArmed(p) || p.profession == 7) break;
      Learn(p, 20);
      Text(p, "Дистрофик.");
      p.life = p.maximum = p.actionPoints = 3;
      break;
    default:
      break;
  }
}
