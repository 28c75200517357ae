// The map's construction, its teardown and the removal of figures from the cell records.
#include "map/map.h"

#include "engine/sprite.h"
#include "map/zombie_reach.h"

void SetGameMap(Map* map) {
  gameMap = map;
  gameBoard = map;
  ForgetZombieReach();
}

Map::Map(const std::string& path) {
  selectedMember = -1;
  Load(path);
}

Map::~Map() {
  FreeLoaded();
}

void Map::FreeLoaded() {
  for (map_sprites_struct& s : sprites) delete s.sprite;
  if (hge != nullptr) {
    for (HTEXTURE t : textures) hge->Texture_Free(t);
  }
  sprites.clear();
  textures.clear();
  cells.clear();
  searchSpots.clear();
}

void Map::RemoveZombie(int zombie) {
  if (zombie < 0) return;
  auto fix = [zombie](int16_t& index) {
    if (index == zombie) {
      index = -1;
    } else if (index > zombie) {
      --index;
    }
  };
  for (map_cell_struct& c : cells) {
    fix(c.zombieHere);
    fix(c.zombieBound);
  }
}

void Map::MoveZombie(int zombie, int from, int to) {
  cells[from].zombieHere = -1;
  cells[to].zombieHere = static_cast<int16_t>(zombie);
}

void Map::RemoveMember(int member) {
  if (member < 0) return;
  for (map_cell_struct& c : cells) {
    if (c.memberHere == member) c.memberHere = -1;
  }
}
