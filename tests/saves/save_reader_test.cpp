// The save reader on a save the built program wrote: it reads back into exactly the game that was written,
// and refuses a cut, corrupt or impossible save without touching the running game or the generators.
#include "app/save_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "app/save_writer.h"
#include "app/session.h"
#include "config/settings.h"
#include "engine/hge.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"
#include "session_support.h"
#include "support/fake_engine.h"
#include "support/scratch_data.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

class SaveReader : public ::testing::Test {
 protected:
  // A save the program wrote when the first test asks for it: the bot's game of seed 5 at its 25th turn,
  // with zombies on the map, two of them killed, and items lying about.
  static void MakeSave() {
    if (text != nullptr) return;
    const std::string data = ScratchData();
    const std::string dir = ScratchFolder("save");
    ASSERT_EQ(RunProgram(data, "--seed 5 --bot-game --frames 15000 --save-dir " + dir), 0);
    std::string reason;
    text = new std::string();
    ASSERT_TRUE(ReadSaveFile(dir + "/save.json", text, &reason)) << reason;
  }

  SaveReader() {
    MakeSave();
    hgeInstall(&fake);
    hge = &fake;
    map = std::make_unique<Map>("Data/map1.dhm");
    SetGameMap(map.get());
    team.clear();
    zombies.clear();
  }
  ~SaveReader() override {
    team.clear();
    zombies.clear();
    SetGameMap(nullptr);
    map.reset();
    hge = nullptr;
  }

  // Reads `save`; on refusal checks that nothing of the running game or the generators changed.
  bool Read(const json& save, std::string* reason) {
    Person bystander(HTEXTURE{0});
    team = {&bystander};
    SeedRandom(5);
    const random_state_struct before = RandomState();
    LoadedGame game;
    const bool ok = ReadSave(save.dump(), *map, &game, reason);
    if (!ok) {
      EXPECT_EQ(team.size(), 1u);
      EXPECT_EQ(team[0], &bystander);
      EXPECT_TRUE(zombies.empty());
      EXPECT_EQ(RandomState().ring, before.ring);
      EXPECT_EQ(RandomState().next, before.next);
      EXPECT_TRUE(map->cells[0].items.empty());
    }
    team.clear();
    return ok;
  }

  static std::string* text;
  FakeEngine fake;
  std::unique_ptr<Map> map;
};

std::string* SaveReader::text = nullptr;

TEST_F(SaveReader, ASaveReadsBackIntoTheGameThatWroteIt) {
  ASSERT_NE(text, nullptr);
  const json written = json::parse(*text);
  ASSERT_FALSE(written["zombies"].empty());
  ASSERT_FALSE(written["map"]["groundItems"].empty());
  ASSERT_GT(written["stats"]["zombiesKilled"], 0);
  LoadedGame game;
  std::string reason;
  ASSERT_TRUE(ReadSave(*text, *map, &game, &reason)) << reason;
  InstallLoadedGame(game, *map);
  json again = SaveGameToJson();
  json expected = written;
  // The fake engine's generator keeps 32 bits only.
  EXPECT_EQ(fake.Random_GetState(), static_cast<uint32_t>(written["engineRandom"].get<uint64_t>()));
  again.erase("engineRandom");
  expected.erase("engineRandom");
  // The town is the session's, which chose the board the save is read onto; the program's game was the first town's.
  EXPECT_EQ(written["town"], "duskhollow");
  again.erase("town");
  expected.erase("town");
  EXPECT_EQ(again, expected);
  for (Person* p : team) EXPECT_EQ(std::count(team.begin(), team.end(), p), 1);
}

TEST_F(SaveReader, ACutOrCorruptFileIsRefused) {
  ASSERT_NE(text, nullptr);
  std::string reason;
  LoadedGame game;
  for (size_t cut = 0; cut < text->size(); cut += text->size() / 97 + 1) {
    LoadedGame partial;
    EXPECT_FALSE(ReadSave(text->substr(0, cut), *map, &partial, &reason)) << cut;
  }
  EXPECT_FALSE(ReadSave("not json at all", *map, &game, &reason));
  EXPECT_EQ(reason, "the file is not complete JSON");
  EXPECT_FALSE(ReadSave("[1, 2, 3]", *map, &game, &reason));
  EXPECT_EQ(reason, "the file is not a saved game");
}

// One change to a sound save and the words its refusal must name.
struct Breakage {
  const char* name;
  std::function<void(json&)> change;
  const char* reason;
};

TEST_F(SaveReader, ASaveNamingWhatCannotExistIsRefusedWithItsReason) {
  ASSERT_NE(text, nullptr);
  const json sound = json::parse(*text);
  const std::vector<Breakage> breakages = {
      {"another version", [](json& s) { s["version"] = 2; }, "version"},
      {"an unknown item",
       [](json& s) {
         s["team"][0]["bag"].push_back(
             {{"type", 52}, {"loaded", 0}, {"capacity", 0}, {"selectedAction", -1}});
       },
       "type"},
      {"a negative item", [](json& s) { s["team"][0]["hands"]["type"] = -1; }, "hands.type"},
      {"hands in a slot", [](json& s) { s["team"][0]["armour"] = s["team"][0]["hands"]; }, "armour holds"},
      {"no such action", [](json& s) { s["team"][0]["hands"]["selectedAction"] = 9; }, "selectedAction"},
      {"a cell off the map", [](json& s) { s["team"][0]["cell"] = 36 * 48; }, "team[0].cell"},
      {"a zombie off the map", [](json& s) { s["zombies"][0]["cell"] = -1; }, "zombies[0].cell"},
      {"a fifth member",
       [](json& s) {
         for (int i = 0; i < 4; ++i) s["team"].push_back(s["team"][0]);
       },
       "team has"},
      {"no team", [](json& s) { s["team"] = json::array(); }, "team has"},
      {"a selected stranger", [](json& s) { s["selectedMember"] = 3; }, "selectedMember"},
      {"a cell naming a stranger",
       [](json& s) {
         s["map"]["cells"]["here"][5] = {3, -1};
       },
       "here"},
      {"a member not in its cell",
       [](json& s) {
         for (json& m : s["team"]) {
           if (m["alive"] == 1) m["cell"] = m["cell"].get<int>() == 0 ? 1 : 0;
         }
       },
       "registered"},
      {"an overfull bag",
       [](json& s) {
         for (int i = 0; i < 8; ++i)
           s["team"][0]["bag"].push_back(
               {{"type", 30}, {"loaded", 0}, {"capacity", 0}, {"selectedAction", 0}});
       },
       "bag"},
      {"active names nothing", [](json& s) { s["team"][0]["active"] = "bag:7"; }, "active"},
      {"a wrong capacity", [](json& s) { s["team"][0]["bagCapacity"] = 12; }, "bagCapacity"},
      {"another map", [](json& s) { s["map"]["W"] = 47; }, "map.W"},
      {"spot flags of another map", [](json& s) { s["team"][0]["searchable"].push_back(true); },
       "searchable"},
      {"a float too large", [](json& s) { s["team"][0]["drawX"] = 1e300; }, "drawX"},
      {"a text as a number", [](json& s) { s["phase"] = "0"; }, "phase"},
      {"a phase that is none", [](json& s) { s["phase"] = 4; }, "phase"},
      {"a short generator", [](json& s) { s["random"]["ring"].erase(0); }, "ring"},
      {"a missing field", [](json& s) { s["map"].erase("cells"); }, "cells"},
      {"a zombie with items", [](json& s) { s["zombies"][0]["hands"] = s["team"][0]["hands"]; },
       "zombie carrying"},
      {"a cursor on the map naming no cell",
       [](json& s) {
         s["map"]["view"]["flags"][0] = true;
         s["map"]["view"]["cursor"] = {-1, 0, -17};
       },
       "cursor is on the map"},
      {"an item twice in one cell list",
       [](json& s) { s["map"]["groundItems"].push_back(s["map"]["groundItems"][0]); }, "repeats"},
  };
  for (const Breakage& b : breakages) {
    json save = sound;
    b.change(save);
    std::string reason;
    EXPECT_FALSE(Read(save, &reason)) << b.name;
    EXPECT_NE(reason.find(b.reason), std::string::npos) << b.name << ": " << reason;
  }
  std::string reason;
  EXPECT_TRUE(Read(sound, &reason)) << reason;
  // The cell under a cursor off the map is computed all the same, and may be any number.
  json offMap = sound;
  offMap["map"]["view"]["flags"][0] = false;
  offMap["map"]["view"]["cursor"] = {-1, 0, -17};
  EXPECT_TRUE(Read(offMap, &reason)) << reason;
}

}  // namespace
