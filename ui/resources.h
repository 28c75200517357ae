// Interface resources: item pictures, team-selection sprites and fonts, and the head-up display sprites.
#pragma once

#include <vector>

#include "engine/hge.h"
#include "game/person.h"
#include "map/map_tokens.h"

class hgeSprite;
class hgeSpriteStrip;
class hgeFont;
class hgeGUI;

// Screen width and height used by every full-screen picture.
constexpr float SCREEN_W = 800.0f;
constexpr float SCREEN_H = 600.0f;

// Item pictures indexed by item type 0..51 (made at start-up).
extern std::vector<hgeSprite*> itemPictures;

// Made on the first entry to team selection (null until then).
extern hgeSpriteStrip* lifeBar;            // life-bar animation, frame = life
extern std::vector<hgeSprite*> photos;     // photos 0..PASS_PHOTO_NUM (the last is the dead picture)
extern hgeSprite* selectionPicture;        // drawn over the selected member's photo
extern hgeFont* font2;                     // the message line (its colour flashes)
extern HTARGET cardSurface;                // off-screen surface holding the passport cards (0 until made)
extern std::vector<hgeSprite*> cardSlots;  // the six card sprites cut from that surface

// Team-selection screen pieces (made with the other team-selection resources).
extern HTEXTURE personTexture;     // Data/person.png
extern hgeSprite* teamBackground;  // the screen's background
extern hgeSprite* passportBlank;   // an empty passport card
extern hgeSprite* changeOne;       // "choose one" picture
extern hgeSprite* changeOr;        // "or" picture between the two cards
extern hgeSprite* dimQuad;         // dims the screen during card animations; null unless LOGO is 1
extern hgeGUI* teamButtons;        // add (4), start over (6), start (3), stand-by start (5)
extern hgeGUI* cardButtons;        // the two offered cards (7, 8), never drawn

// Loads the team screen's, the town choice's and the items' pictures (those loaded so far) again in the
// language in force.
void ReloadLocalisedPictures();

// Made on the first entry to the game screen (null until then).
extern HTEXTURE itemsTexture;  // Data/items.png (made with the item pictures)
extern hgeSprite* inventoryPanel;
extern hgeSprite* smallFrame[2];  // normal, highlighted
extern hgeSprite* bigFrame[2];    // normal, highlighted
extern hgeSprite* endTurnButton;
extern hgeSprite* healToken;
extern hgeSprite* turnBanner[2];  // in the end-turn button's place: the team's actions play, the zombies' turn

// Loads the items texture and cuts the 52 item pictures.
void CreateItemPictures();
// Makes the team-selection resources (first call only; the dimming quad on every call).
void CreateTeamResources();
// Makes the head-up display sprites (first call only).
void CreateHudSprites();
