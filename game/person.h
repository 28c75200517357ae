// Person: a team member or a zombie, with its slots, bag, skills and timed action queue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/hge.h"
#include "game/ids.h"

class hgeSprite;
class Item;

// One queued timed action of a figure.
struct person_action_struct {
  int16_t type;  // action type (steps, turns, climbs, strikes, shots, reactions ...)
  float p1;      // a wait time or the stand height of the cell left
  float p2;      // the stand height of the cell entered
};

class Person {
 public:
  // Makes a zombie drawn from `texture`.
  explicit Person(HTEXTURE texture);
  // Makes a team member; the profession and trait rules fill description, skills and bag.
  Person(HTEXTURE texture, int32_t firstName, int32_t profession, int32_t photo, int32_t trait);
  ~Person();
  Person(const Person&) = delete;
  Person& operator=(const Person&) = delete;

  hgeSprite* sprite = nullptr;
  float drawX = -11.0f;
  float drawY = -60.0f;
  uint8_t isZombie = 0;
  uint8_t targetable = 0;
  uint8_t alive = 0;
  int32_t tint = -1;
  float pulse = 0.0f;
  int16_t bagCapacity = 4;
  int16_t bagLoad = 0;
  int32_t painkillerTurns = 0;
  Item* armour = nullptr;
  Item* keys = nullptr;
  Item* backpack = nullptr;
  Item* holster = nullptr;
  Item* hands = nullptr;
  Item* active = nullptr;
  std::vector<Item*> bag;
  std::vector<int32_t> skills;
  std::string description;  // Windows-1251
  std::string displayName;  // Windows-1251
  std::vector<bool> searchable;
  std::vector<person_action_struct> actions;
  int16_t cell = 0;
  int16_t secondCell = 0;
  int16_t direction = DIR_DOWN;
  int32_t firstName = 0;
  int32_t photo = 0;
  int32_t profession = 0;
  int32_t trait = 0;
  int32_t life = 0;
  int32_t maximum = 0;
  int32_t actionPoints = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t frame = 0;
  float actionTime = 0.0f;
  float frameTime = 0.0f;

  // Draws the figure at its drawing cell, shifted by the view offset.
  void Draw(float viewX, float viewY, int cellW, int cellH);
  // Faces `dir` and shows its standing frame.
  void SetDirection(int dir);
  // The first name in the language in force, Windows-1251.
  std::string FirstName() const;
  // The display name (first name and skills) in the language in force; `displayName` keeps it in Russian.
  std::string DisplayName() const;
  // The description in the language in force; `description` keeps it in Russian.
  std::string DescriptionText() const;
  // bagLoad = sum of the bag items' sizes.
  void RecountBag();
  // Puts `item` from `source` into the bag if it fits; see ItemSource.
  bool PutIntoBag(Item* item, int source);
  // Takes `item` out of the bag (by identity); the hands become active if it was.
  void RemoveFromBag(Item* item);
  // Queues an action at the back (append) or the front.
  void AddAction(int type, float p1, float p2, bool append);
  // Sets the pose and plays the sound of the front action.
  void StartAction(bool resetTimers);
  // Plays the front action for one frame: the type that finished, PA_PLAYING, or -1 when idle.
  int Analyze(float dt);
  // Queues the quarter turns (p1 as given) that face cell (tx, ty) from the drawing cell; returns how many.
  int TurnTowards(int tx, int ty, float p1 = 0.0f);
  // Shows frame (column, row) of the figure sheet.
  void ShowFrame(int column, int row);
};

// Figure sheets, loaded with the interface's resources (zero until then).
extern HTEXTURE manTextures[5];  // bodies of team members, by photo
extern HTEXTURE zombieTexture;   // body of every zombie

// True when team member i exists and has `skill`.
bool HasSkill(int i, int skill);
