// Interface resource pointers (their creation is filled in with the screens).
#include "ui/resources.h"

std::vector<hgeSprite*> itemPictures;
hgeSpriteStrip* lifeBar = nullptr;
std::vector<hgeSprite*> photos;
hgeSprite* selectionPicture = nullptr;
hgeFont* font2 = nullptr;
HTEXTURE personTexture = 0;
hgeSprite* teamBackground = nullptr;
hgeSprite* passportBlank = nullptr;
hgeSprite* changeOne = nullptr;
hgeSprite* changeOr = nullptr;
hgeSprite* dimQuad = nullptr;
hgeGUI* teamButtons = nullptr;
hgeGUI* cardButtons = nullptr;
HTEXTURE itemsTexture = 0;
HTARGET cardSurface = 0;
std::vector<hgeSprite*> cardSlots;
hgeSprite* inventoryPanel = nullptr;
hgeSprite* smallFrame[2] = {};
hgeSprite* bigFrame[2] = {};
hgeSprite* endTurnButton = nullptr;
hgeSprite* healToken = nullptr;
hgeSprite* turnBanner[2] = {};
