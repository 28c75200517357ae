// Writes the dump: screen, state, message and error boxes, then what each subsystem adds.
#include "app/dump.h"

#include <cstdio>
#include <fstream>
#include <utility>
#include <vector>

#include "app/menu_screen.h"
#include "app/options.h"
#include "app/save_paths.h"
#include "app/screens.h"
#include "app/selection.h"
#include "app/session.h"
#include "app/shell.h"
#include "engine/hge.h"
#include "engine/language.h"
#include "engine/text.h"
#include "game/game_stats.h"
#include "game/messages.h"
#include "game/person.h"
#include "game/person_json.h"
#include "game/world.h"
#include "map/map.h"
#include "map/map_json.h"
#include "map/zombie_reach.h"
#include "ui/help_overlay.h"
#include "ui/hover_hint.h"
#include "ui/team_screen.h"

namespace {

std::vector<std::pair<int, std::string>> dumps;

template <typename List>
nlohmann::json PersonsToJson(const List& list) {
  nlohmann::json out = nlohmann::json::array();
  for (const Person* p : list) out.push_back(PersonToJson(*p));
  return out;
}

// Every cell with items lying in it, in cell order.
nlohmann::json GroundItemsToJson(const Map& map) {
  nlohmann::json out = nlohmann::json::array();
  for (size_t c = 0; c < map.cells.size(); ++c) {
    const std::vector<Item*>& items = map.cells[c].items;
    if (items.empty()) continue;
    nlohmann::json list = nlohmann::json::array();
    for (const Item* item : items) list.push_back(ItemToJson(item));
    out.push_back({{"cell", c}, {"items", list}});
  }
  return out;
}

// The options in force, under their keys in the options file, and whether the sound is muted.
nlohmann::json OptionsToJson() {
  nlohmann::json out = nlohmann::json::object();
  for (const OptionInfo* o = OptionsTable(); o->key != nullptr; ++o) out[o->key] = activeOptions.*(o->field);
  out["muted"] = soundMuted;
  return out;
}

}  // namespace

nlohmann::json DumpState(int frame) {
  nlohmann::json j;
  j["frame"] = frame;
  j["screen"] = ScreenName(currentScreen);
  j["state"] = screenState;
  j["timer"] = screenTimer;
  j["message"] = ToUtf8(message);
  nlohmann::json boxes = nlohmann::json::array();
  if (hge != nullptr) {
    for (const std::string& box : hge->System_ErrorBoxes()) boxes.push_back(ToUtf8(box));
  }
  j["messageBoxes"] = boxes;
  j["selectedMember"] = selectedMember;
  j["dragState"] = dragState;
  j["dragSource"] = dragSource;
  j["draggedItem"] = ItemToJson(draggedItem);
  j["saveExists"] = SaveExists();
  j["language"] = LanguageCode(CurrentLanguage());
  // The town of the game in play; before a game (logo, menu, team screen) the town chosen for the next one.
  j["town"] = currentScreen == Screen::Game || currentScreen == Screen::End ? BoardTown() : NewGameTown();
  nlohmann::json buttons = nlohmann::json::array();
  if (currentScreen == Screen::Menu) {
    for (const menu_button_struct& b : MenuButtons()) {
      buttons.push_back(
          {{"text", b.text}, {"x", b.x}, {"y", b.y}, {"w", b.w}, {"h", b.h}, {"enabled", b.enabled}});
    }
  }
  j["menuButtons"] = buttons;
  j["options"] = OptionsToJson();
  j["team"] = PersonsToJson(team);
  j["candidates"] = PersonsToJson(currentScreen == Screen::Team ? OpenOffer() : std::vector<const Person*>{});
  j["zombies"] = PersonsToJson(zombies);
  if (currentScreen == Screen::Game || currentScreen == Screen::End) j["turn"] = gameStats.turns;
  const hover_hint_struct hint =
      currentScreen == Screen::Game ? HoverHint(mouseX, mouseY) : hover_hint_struct{};
  j["hint"] = ToUtf8(hint.text);
  j["help"] = currentScreen == Screen::Game && helpShown;
  j["reach"] = currentScreen == Screen::Game && zombieReachShown;
  j["reachCells"] = currentScreen == Screen::Game ? zombieReachCells : std::vector<int>{};
  if (hint.zombie) {
    j["killChance"] = hint.kill;
    j["pushChance"] = hint.push;
  }
  if (gameMap != nullptr) {
    j["map"] = MapToJson(*gameMap);
    j["groundItems"] = GroundItemsToJson(*gameMap);
  }
  return j;
}

void AddDump(int frame, const std::string& path) {
  dumps.emplace_back(frame, path);
}

void WriteDumps(int frame) {
  for (const auto& [when, path] : dumps) {
    if (when != frame) continue;
    std::ofstream out(path);
    if (!out) {
      std::fprintf(stderr, "duskhollow: cannot write dump %s\n", path.c_str());
      continue;
    }
    // A --map file's name need not be UTF-8; such bytes are written replaced.
    out << DumpState(frame).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  }
}
