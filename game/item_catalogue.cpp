// Every item type of the game, written row by row as the catalogue lists it.
#include "game/item_catalogue.h"

#include "engine/language.h"
#include "game/item.h"

namespace {

// Kind letters of the catalogue.
constexpr int32_t F = KIND_FIREARM, H = KIND_HAND_WEAPON, B = KIND_BAG, K = KIND_KEYS, A = KIND_ARMOUR,
                  P = KIND_BACKPACK, L = KIND_HOLSTER, N = KIND_HANDS;

// What reloads an item.
constexpr int16_t NO_AMMO = AMMO_NONE, CARTRIDGES = AMMO_CARTRIDGES, NAILS = AMMO_NAILS;

// Loaded at construction.
constexpr CatalogueLoaded EMPTY{0, 0, 0, false};
constexpr CatalogueLoaded Upto(int16_t n) {
  return {0, n, 1, false};
}

// A result with one weight for both users, or with the unskilled and skilled weights.
CatalogueResult W(float weight, int32_t code) {
  return {weight, weight, code};
}
CatalogueResult W(float without, float with, int32_t code) {
  return {without, with, code};
}
// The fallback that ends every hit, shot and burst.
const CatalogueResult miss{1.0f, 1.0f, RESULT_MISS};

CatalogueAction StartCar(std::vector<CatalogueResult> r) {
  return {ACT_START_CAR, 1, 0, std::move(r)};
}
CatalogueAction Hit(std::vector<CatalogueResult> r) {
  return {ACT_HIT, 1, 0, std::move(r)};
}
CatalogueAction Shot(std::vector<CatalogueResult> r) {
  return {ACT_SHOT, 1, 0, std::move(r)};
}
CatalogueAction Burst(int16_t rounds, std::vector<CatalogueResult> r) {
  return {ACT_BURST, 1, rounds, std::move(r)};
}
CatalogueAction Apply(std::vector<CatalogueResult> r) {
  return {ACT_APPLY, 1, 0, std::move(r)};
}
CatalogueAction Reload() {
  return {ACT_RELOAD, 1, 0, {}};
}

const std::vector<CatalogueRow>& Rows() {
  // clang-format off
  static const std::vector<CatalogueRow> rows = {
    // type name                       kind size range cap loaded    ammo       skills actions
    {0,  N_("Ключи от машины"),          K, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {StartCar({W(0.15f, 1), W(0.85f, 0)})}},
    {1,  N_("Руки"),                     N, 2, 1, 0,   EMPTY,     NO_AMMO,    {14}, {Hit({W(0.05f, 0.2f, 3), W(0.25f, 0.3f, 4), miss})}},
    {2,  N_("Кобура"),                   L, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {}},
    {3,  N_("Рюкзак"),                   P, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {}},
    {4,  N_("Хоккейная защита"),         A, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {}},
    {5,  N_("Байкерская куртка"),        A, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {}},
    {6,  N_("Гвозди"),                   B, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {}},
    {7,  N_("Болеутоляющее"),            B, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Apply({W(2.0f, 8)})}},
    {8,  N_("Аптечка"),                  B, 1, 1, 0,   EMPTY,     NO_AMMO,    {3},  {Apply({W(0.3f, 0.5f, 6), W(0.2f, 0.1f, 7)})}},
    {9,  N_("Антибиотики"),              B, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Apply({W(2.0f, 7)})}},
    {10, N_("Витамины"),                 B, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Apply({W(2.0f, 7)})}},
    {11, N_("Адреналин"),                B, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Apply({W(2.0f, 9)})}},
    {12, N_("Докторская сумка"),         B, 2, 1, 0,   EMPTY,     NO_AMMO,    {3},  {Apply({W(0.4f, 0.7f, 6), W(0.1f, 0.05f, 7)})}},
    {13, N_("Кухонный нож"),             H, 1, 1, 0,   EMPTY,     NO_AMMO,    {0},  {Hit({W(0.15f, 0.33f, 3), miss})}},
    {14, N_("Нож \"Коммандо\""),         H, 1, 1, 0,   EMPTY,     NO_AMMO,    {0},  {Hit({W(0.3f, 0.5f, 3), W(0.1f, 0.2f, 4), miss})}},
    {15, N_("Сковорода"),                H, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.1f, 3), W(0.3f, 4), miss})}},
    {16, N_("Молоток"),                  H, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.2f, 3), miss})}},
    {17, N_("Цепь"),                     H, 1, 1, 0,   EMPTY,     NO_AMMO,    {11}, {Hit({W(0.18f, 0.4f, 3), miss})}},
    {18, N_("Отвертка"),                 H, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.15f, 3), miss})}},
    {19, N_("Ломик"),                    H, 1, 1, 0,   EMPTY,     NO_AMMO,    {12}, {Hit({W(0.25f, 0.5f, 3), miss})}},
    {20, N_("Фонарик"),                  H, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.1f, 3), W(0.15f, 4), miss})}},
    {21, N_("Дубинка"),                  H, 1, 1, 0,   EMPTY,     NO_AMMO,    {10}, {Hit({W(0.1f, 0.2f, 3), W(0.3f, 0.5f, 4), miss})}},
    {22, N_("Кастет"),                   H, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.15f, 3), W(0.2f, 4), miss})}},
    {23, N_("Топор"),                    H, 2, 1, 0,   EMPTY,     NO_AMMO,    {8},  {Hit({W(0.4f, 0.6f, 3), W(0.2f, 0.3f, 4), miss})}},
    {24, N_("Клюшка для гольфа"),        H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.3f, 3), W(0.3f, 4), miss})}},
    {25, N_("Мачете"),                   H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.4f, 3), miss})}},
    {26, N_("Хоккейная клюшка"),         H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.3f, 3), W(0.3f, 4), miss})}},
    {27, N_("Кочерга"),                  H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.3f, 3), W(0.3f, 4), miss})}},
    {28, N_("Газовый ключ"),             H, 2, 1, 0,   EMPTY,     NO_AMMO,    {4},  {Hit({W(0.3f, 0.4f, 3), W(0.3f, 0.4f, 4), miss})}},
    {29, N_("Доска с гвоздями"),         H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.2f, 3), W(0.2f, 4), miss})}},
    {30, N_("Бейсбольная бита"),         H, 2, 1, 0,   EMPTY,     NO_AMMO,    {18}, {Hit({W(0.2f, 0.35f, 3), W(0.2f, 0.25f, 4), miss})}},
    {31, N_("Катана"),                   H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.4f, 3), W(0.1f, 4), miss})}},
    {32, N_("Сигнальный пистолет"),      F, 1, 4, 1,   Upto(1),   CARTRIDGES, {},   {Shot({W(0.3f, 3), W(0.3f, 4), miss}), Hit({W(0.1f, 3), W(0.15f, 4), miss}), Reload()}},
    {33, N_("Лук"),                      F, 2, 5, 10,  Upto(10),  NO_AMMO,    {15}, {Shot({W(0.2f, 0.5f, 3), W(0.2f, 4), miss}), Hit({W(0.1f, 3), W(0.4f, 4), miss})}},
    {34, N_("Арбалет"),                  F, 2, 4, 10,  Upto(10),  NO_AMMO,    {},   {Shot({W(0.4f, 3), W(0.3f, 4), miss}), Hit({W(0.1f, 3), W(0.2f, 4), miss})}},
    {35, N_("Патроны"),                  B, 1, 1, 0,   EMPTY,     NO_AMMO,    {},   {}},
    {36, N_("Ящик патронов"),            B, 2, 1, 0,   {3, 6, 1, true}, NO_AMMO, {}, {}},
    {37, N_("Огнетушитель"),             H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.15f, 3), W(0.4f, 4), miss})}},
    {38, N_("Кувалда"),                  H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.3f, 3), W(0.3f, 4), miss})}},
    {39, N_("Бензопила"),                H, 2, 1, 0,   EMPTY,     NO_AMMO,    {9},  {Hit({W(0.6f, 0.8f, 3), miss})}},
    {40, N_("Лопата"),                   H, 2, 1, 0,   EMPTY,     NO_AMMO,    {},   {Hit({W(0.3f, 3), W(0.3f, 4), miss})}},
    {41, N_("Револьвер"),                F, 1, 5, 6,   Upto(6),   CARTRIDGES, {5},  {Shot({W(0.2f, 0.35f, 3), W(0.1f, 0.15f, 4), miss}), Hit({W(0.1f, 3), W(0.15f, 4), miss}), Reload()}},
    {42, N_("Пистолет"),                 F, 1, 4, 7,   Upto(7),   CARTRIDGES, {2},  {Shot({W(0.2f, 0.35f, 3), W(0.1f, 0.15f, 4), miss}), Hit({W(0.1f, 3), W(0.15f, 4), miss}), Reload()}},
    {43, N_("Гвоздемет"),                F, 1, 2, 20,  Upto(20),  NAILS,      {},   {Shot({W(0.1f, 3), W(0.15f, 4), miss}), Hit({W(0.1f, 3), W(0.2f, 4), miss}), Reload()}},
    {44, N_("Обрез"),                    F, 1, 3, 2,   Upto(2),   CARTRIDGES, {},   {Shot({W(0.5f, 3), W(0.3f, 4), miss}), Hit({W(0.1f, 3), W(0.2f, 4), miss}), Reload()}},
    {45, N_("АК-47"),                    F, 2, 8, 30,  Upto(30),  CARTRIDGES, {1},  {Shot({W(0.4f, 0.55f, 3), W(0.2f, 0.25f, 4), miss}), Burst(5, {W(0.3f, 0.4f, 3), miss}), Hit({W(0.4f, 3), W(0.3f, 4), miss}), Reload()}},
    {46, N_("Ружье"),                    F, 2, 6, 2,   Upto(2),   CARTRIDGES, {17}, {Shot({W(0.5f, 0.7f, 3), W(0.3f, 0.2f, 4), miss}), Hit({W(0.3f, 3), W(0.4f, 4), miss}), Reload()}},
    {47, N_("Дробовик"),                 F, 2, 6, 6,   Upto(6),   CARTRIDGES, {},   {Shot({W(0.5f, 3), W(0.3f, 4), miss}), Hit({W(0.3f, 3), W(0.4f, 4), miss}), Reload()}},
    {48, N_("Винтовка"),                 F, 2, 10, 8,  Upto(8),   CARTRIDGES, {},   {Shot({W(0.3f, 3), W(0.4f, 4), miss}), Hit({W(0.3f, 3), W(0.4f, 4), miss}), Reload()}},
    {49, N_("Пистолет-пулемет"),         F, 2, 6, 30,  Upto(30),  CARTRIDGES, {},   {Shot({W(0.25f, 3), W(0.3f, 4), miss}), Burst(5, {W(0.2f, 3), miss}), Hit({W(0.15f, 3), W(0.3f, 4), miss}), Reload()}},
    {50, N_("Автомат"),                  F, 2, 8, 20,  Upto(20),  CARTRIDGES, {1},  {Shot({W(0.3f, 0.45f, 3), W(0.3f, 0.15f, 4), miss}), Burst(5, {W(0.2f, 0.3f, 3), miss}), Hit({W(0.3f, 3), W(0.3f, 4), miss}), Reload()}},
    {51, N_("Пулемет"),                  F, 2, 8, 100, {0, 10, 10, false}, CARTRIDGES, {}, {Burst(10, {W(0.25f, 3), miss}), Hit({W(0.15f, 3), W(0.4f, 4), miss}), Reload()}},
  };
  // clang-format on
  return rows;
}

}  // namespace

const CatalogueRow* CatalogueRowOf(int32_t type) {
  if (type < 0 || type >= ITEM_TYPE_COUNT) return nullptr;
  return &Rows()[type];
}
