// The board: cells, sprites, search spots, path tables and the view.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/hge.h"
#include "game/board.h"
#include "game/ids.h"
#include "game/world.h"

class hgeSprite;
class Item;

// Most team members the map keeps path tables and path-done flags for.
constexpr int MAP_MAX_MEMBERS = 4;
// Cells are addressed by 16-bit indices, so a map must hold fewer cells than this.
constexpr int MAP_MAX_CELLS = 32768;

// One member's entry in a cell: what reaching the cell costs and how the route arrives.
struct man_ap_struct {
  int16_t cost = 0;              // action points; the cell count means unreached, 0 the member's own cell
  int16_t direction = DIR_NONE;  // direction of the last step into the cell
};

// One cell of the grid.
struct map_cell_struct {
  int16_t floor = FLOOR_OPEN;                          // a Floor
  int16_t rightBarrier = BARRIER_NONE;                 // barrier between this cell and the one to its right
  int16_t topBarrier = BARRIER_NONE;                   // barrier between this cell and the one above
  std::array<man_ap_struct, MAP_MAX_MEMBERS> paths{};  // the member path tables
  std::vector<Item*> items;                            // items lying here (not owned)
  int16_t memberHere = -1;                             // team index of the member occupying the cell
  int16_t zombieHere = -1;                             // zombie index of the zombie occupying the cell
  int16_t memberBound = -1;                            // team index of the member drawn with this cell
  int16_t zombieBound = -1;                            // zombie index of the zombie drawn with this cell
  int16_t standHeight = 0;             // drawing offset of a figure standing here (-22 on a raised floor)
  uint8_t pathMark = 0;                // 0 none, 1 reachable, 2 on the path but too far
  int16_t zombieDistance = 0;          // zombie cost from the nearest member; the cell count when unreached
  int16_t zombieDirection = DIR_NONE;  // direction of the last step of that route
  int16_t decoration = -1;             // map sprite drawn with this cell, -1 none
  int16_t hide = -1;                   // map sprite faded while the mouse points here, -1 none
};

// A map sprite with its fade and its place in map pixels.
struct map_sprites_struct {
  hgeSprite* sprite = nullptr;  // owned by the map
  float alpha = 255.0f;         // 255 when opaque
  float x = 0.0f, y = 0.0f;     // map-space position
};

// A search spot of the map file.
struct find_point_struct {
  int32_t x, y;
  int32_t cell;  // y * W + x; -1 for a spot outside the grid
};

// One record of the path search's work queue.
struct path_point_struct {
  uint16_t x, y;
  int16_t direction;  // direction of the step that reached the cell; -1 or 0 for a start cell
};

// What a step looks like when it is animated: its action kind and the two stand heights.
struct step_kind_struct {
  int32_t kind;      // the first half of a plain step (StepAction) or a climbing step (ClimbAction)
  float fromHeight;  // stand height of the start cell
  float toHeight;    // stand height of the target cell
};

// The map's view: where it is scrolled, how it glides, and the cell under the mouse.
struct map_view_struct {
  int32_t cursorX = -1, cursorY = -1;    // cell under the mouse (computed off the map too)
  int32_t cursorCell = 0;                // index of that cell
  int32_t markedX = 0, markedY = 0;      // cursor cell of the last path marks
  bool cursorOnMap = false;              // the mouse points inside the map's pixel area
  bool showPath = false;                 // path tokens are shown this frame
  bool scrolled = false;                 // the view scrolled by hand this frame
  bool autoScroll = false;               // the view is gliding toward a target
  float offsetX = 0.0f, offsetY = 0.0f;  // whole-pixel view offset used for drawing
  float scrollX = 0.0f, scrollY = 0.0f;  // exact scroll position
  float scrollMinX = 0.0f, scrollMaxX = 0.0f, scrollMinY = 0.0f, scrollMaxY = 0.0f;  // scroll limits
  float glideX = 0.0f, glideY = 0.0f;                                                // auto-scroll target
  float glideVX = 0.0f, glideVY = 0.0f;  // auto-scroll velocity, pixels per second
  // Scrolling bands in screen pixels, derived at load time.
  float bandLeft = 0.0f, bandRight = 0.0f, bandTop = 0.0f, bandBottom = 0.0f;
};

// What the map analysis needs of the interface around the map; the game frame hands it over.
struct MapInterface {
  bool overHud = false;       // the pointer is over the head-up display
  bool edgeScrolling = true;  // the pointer at a screen edge scrolls the view (over the map and the photos)
  int popupRow = -1;          // the pop-up list's entry under the pointer, -1 for none
  int popupCell = -1;         // the cell whose items the pop-up list shows
  void (*openPopup)(int cell, float x, float y) = nullptr;  // opens the pop-up list of a cell's items there
  void (*selectMember)(int member) = nullptr;               // selects a team member
};

class Map final : public Board {
 public:
  // Initialises every field, clears the selected member and loads the map file.
  explicit Map(const std::string& path);
  // Frees the map's sprites and textures.
  ~Map();
  Map(const Map&) = delete;
  Map& operator=(const Map&) = delete;

  // Reads the map file, replacing whatever an earlier load left (map_load.cpp).
  void Load(const std::string& path);

  // ---- Cells (map.cpp) ----

  // True when (x, y) lies on the grid.
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < W && y < H; }
  // True when `cell` indexes an existing cell.
  bool ValidCell(int cell) const override { return cell >= 0 && cell < static_cast<int>(cells.size()); }
  // y * W + x, or -1 for a point off the grid.
  int CellIndex(int x, int y) const { return Inside(x, y) ? y * W + x : -1; }
  // Cells across.
  int Columns() const override { return W; }
  // The drawing offset of a figure standing in `cell` (a valid cell).
  int StandHeight(int cell) const override { return cells[cell].standHeight; }
  // The index of the zombie occupying `cell` (a valid cell), -1 for none.
  int ZombieAt(int cell) const override { return cells[cell].zombieHere; }
  // Records zombie `zombie` as moved from cell `from` to cell `to` (both valid).
  void MoveZombie(int zombie, int from, int to) override;
  // The items lying in `cell` (a valid cell).
  std::vector<Item*>& ItemsAt(int cell) override { return cells[cell].items; }
  // The index of the escape cell, -1 when it lies off the grid.
  int EscapeCell() const override { return CellIndex(escapeX, escapeY); }
  // Forgets zombie `zombie` in every cell and lowers the higher zombie indices by one.
  void RemoveZombie(int zombie);
  // Clears every cell occupied by team member `member` (team indices never shift).
  void RemoveMember(int member);

  // ---- Movement rules (map_rules.cpp) ----

  // Cost for team member `member` (-1 nobody) of one step from (x, y) in `direction`; -1 impossible.
  int16_t MemberStepCost(int member, int x, int y, int direction, bool checkZombies, bool allowSearchSpot,
                         bool checkMembers) const override;
  // Cost for a zombie of one step from (x, y) in `direction`; -1 impossible.
  int16_t ZombieStepCost(int x, int y, int direction, bool checkZombies) const override;
  // The animation kind of a step from `cell` in `direction`, with both stand heights.
  step_kind_struct StepKind(int member, int cell, int direction) const;
  // Whether the straight line between two cells is open for a shot or a blow.
  bool LineOfFire(int x1, int y1, int x2, int y2) const;

  // ---- Path finding (pathfinding.cpp) ----

  // Resets the path tables of the living members and their path-done flags.
  void PrepareMemberSearch();
  // Resets the zombie field; every team member's cell gets distance 0.
  void PrepareZombieSearch();
  // Appends a record to the search queue.
  void Enqueue(int x, int y, int direction);
  // One queue step of the member search.
  void MemberSearchStep();
  // One queue step of the zombie search.
  void ZombieSearchStep();
  // Starts and advances the search belonging to turn phase `phase`; called once per game frame.
  void DrivePathSearch(int phase);
  // The cells of member `member`'s cheapest route to `cell`, from `cell` back, without the member's own
  // cell; empty when the cell is unreached, the member's own, or the table holds no route.
  std::vector<int> PathBack(int member, int cell) const;
  // Runs the member search now until member `member`'s table is complete (or the search has ended).
  void FinishMemberSearch(int member);
  // Recomputes the path marks for the cursor cell and the selected member.
  void MarkPath();
  // Recomputes which zombies the selected member can attack.
  void MarkTargets();

  // ---- The car keys (search_threshold.cpp) ----

  // Searches the living members can still make: each one's unsearched spots of the spot list.
  int SearchesLeft() const;
  // Lowers the search threshold to the searches made and still possible when it asks for more, so that
  // the car keys can always be found; called when a game starts and when a member dies.
  void KeepKeysReachable();

  // ---- Map analysis (map_analyze.cpp) ----

  // The frame's update while the player commands: view, fading, path marks, and clicks made commands.
  void Analyze(float dt, const MapInterface& ui);

  // ---- View (map_view.cpp) and drawing (map_draw.cpp) ----

  // Glide, manual scrolling (by the pointer at the screen edges only with `edgeScrolling`), the
  // whole-pixel view offset and the cursor cell.
  void UpdateView(float dt, bool edgeScrolling = true);
  // Glides the view so that the selected member's cell is in the middle of the screen.
  void CenterOnMember();
  // Starts gliding toward scroll position (x, y).
  void GlideTo(float x, float y);
  // Draws the map, its tokens and its figures in the painter's order; with the pointer over the interface
  // no path marks and no cursor frame.
  void Draw(bool overInterface);

  int32_t escapeX = 0, escapeY = 0;  // the cell where the car can be started
  int32_t searchThreshold = 0;       // searches after which the next one also finds the car keys
  int32_t searchesMade = 0;          // searches made this game
  int32_t searchMember = -1;    // member whose table is being built; >= 0 during the zombie search; -1 idle
  bool pathsStale = false;      // a path search must be started
  bool marksStale = false;      // the path marks must be recomputed
  bool escapeKeyFound = false;  // the car keys have been found
  int32_t W = 0, H = 0;         // cells across and down
  int32_t CW = 0, CH = 0;       // cell width and height in pixels
  int32_t cellCount = 0;        // W * H; also the "unreached" cost
  int32_t pixelW = 0, pixelH = 0;                // W * CW and H * CH
  int32_t fadedSprites = 0;                      // map sprites whose alpha is below 255
  int32_t zombieCount = 0;                       // most zombies the game lets onto the map at once
  std::vector<HTEXTURE> textures;                // map textures (owned)
  std::vector<map_sprites_struct> sprites;       // map sprites in file order
  std::vector<map_cell_struct> cells;            // W * H cells in index order
  std::array<bool, MAP_MAX_MEMBERS> pathDone{};  // a member's path table is complete
  std::deque<path_point_struct> searchQueue;     // the path search's work queue
  std::vector<find_point_struct> searchSpots;    // search spots in file order
  map_view_struct view;                          // scrolling and the cursor

 private:
  // Frees the sprites and textures and empties every list.
  void FreeLoaded();
  // Member and zombie search steps share one body.
  void SearchStep(bool zombieField);
};

// Makes `map` the game's map, for the rules too (gameMap and gameBoard); null forgets it.
void SetGameMap(Map* map);
