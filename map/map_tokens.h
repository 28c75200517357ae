// The sprites and the font the map draws over its cells; the interface makes them with its resources.
#pragma once

class hgeSprite;
class hgeFont;

// Made on the first entry to team selection (null until then).
extern hgeSprite* pathTokens[4];  // reachable / too far, each in two looks
extern hgeSprite* markerBottom;   // drawn under the selected member
extern hgeSprite* markerTop[2];   // cursor cell marker, two looks
extern hgeFont* font1;            // numbers, names, passports; the map writes zombie indices with it

// Made on the first entry to the game screen (null until then).
extern hgeSprite* findToken;  // on a search spot the selected member has not searched yet
extern hgeSprite* bagToken;   // on a cell with items lying in it
extern hgeSprite* escapeToken;  // on the escape cell, where the car can be started
