// The team-selection resources: background, card, buttons, photos, life bar, markers, fonts, card surface.
#include <string>

#include "config/settings.h"
#include "engine/button.h"
#include "engine/font.h"
#include "engine/gui.h"
#include "engine/hge.h"
#include "engine/language.h"
#include "engine/sprite.h"
#include "engine/strip.h"
#include "game/messages.h"
#include "game/world.h"
#include "ui/resources.h"
#include "ui/team_screen.h"
#include "ui/town_choice.h"

namespace {

hgeSprite* Cut(float x, float y, float w, float h) {
  return new hgeSprite(personTexture, x, y, w, h);
}

void CreateMainButtons() {
  teamButtons = new hgeGUI();
  teamButtons->AddCtrl(new hgeGUIPushButton(BTN_ADD, PASS_ADD_X, PASS_ADD_Y, PASS_ADD_W, PASS_ADD_H,
                                            personTexture, PASS_ADD_TX, PASS_ADD_TY));
  teamButtons->AddCtrl(new hgeGUIPushButton(BTN_START_OVER, PASS_ADD_X, PASS_ADD_Y, PASS_ADD_W, PASS_ADD_H,
                                            personTexture, PASS_ADD_TX + 2 * PASS_ADD_W, PASS_ADD_TY));
  teamButtons->AddCtrl(new hgeGUIPushButton(BTN_START, PASS_START_X, PASS_START_Y, PASS_START_W, PASS_START_H,
                                            personTexture, PASS_START_TX, PASS_START_TY));
  teamButtons->AddCtrl(new hgeGUIPushButton(BTN_STANDBY, PASS_START_X, PASS_START_Y, PASS_START_W,
                                            PASS_START_H, personTexture, PASS_START_TX + 2 * PASS_START_W,
                                            PASS_START_TY));
  for (int id : {BTN_START_OVER, BTN_START}) {
    teamButtons->ShowCtrl(id, false);
    teamButtons->EnableCtrl(id, false);
  }
  cardButtons = new hgeGUI();
  cardButtons->AddCtrl(
      new hgeGUIPushButton(CARD_FIRST, PASS_MAN1_X, PASS_MAN1_Y, PASS_W, PASS_H, personTexture, 0, 0));
  cardButtons->AddCtrl(
      new hgeGUIPushButton(CARD_SECOND, PASS_MAN2_X, PASS_MAN2_Y, PASS_W, PASS_H, personTexture, 0, 0));
}

void CreateCardSurface() {
  const int w = static_cast<int>(PASS_W);
  const int h = static_cast<int>(PASS_H);
  cardSurface = hge->Target_Create(w, 6 * h, false);
  const HTEXTURE texture = hge->Target_GetTexture(cardSurface);
  for (int k = 0; k < 6; ++k) cardSlots.push_back(new hgeSprite(texture, 0, k * PASS_H, PASS_W, PASS_H));
}

}  // namespace

void ReloadLocalisedPictures() {
  if (personTexture != 0) hge->Texture_Reload(personTexture, LocalisedFile("Data/person.png").c_str());
  if (itemsTexture != 0) hge->Texture_Reload(itemsTexture, LocalisedFile("Data/items.png").c_str());
  ReloadTownChoicePicture();
}

void CreateTeamResources() {
  // The dimming quad exists only with LOGO 1. Drawn stretched and only in black, it needs no picture.
  delete dimQuad;
  dimQuad = nullptr;
  if (LOGO == 1) {
    dimQuad = new hgeSprite(0, 0, 0, 10, 10);
    dimQuad->SetColor(0xAA000000);
  }
  if (teamButtons != nullptr) return;

  personTexture = hge->Texture_Load(LocalisedFile("Data/person.png").c_str(), 0, false);
  for (int i = 0; i < 5; ++i) {
    const std::string file = "Data/man" + std::to_string(i + 1) + ".png";
    manTextures[i] = hge->Texture_Load(file.c_str(), 0, false);
  }
  zombieTexture = hge->Texture_Load("Data/zombie1.png", 0, false);

  teamBackground = Cut(0, 0, SCREEN_W, SCREEN_H);
  passportBlank = Cut(PASS_TX, PASS_TY, PASS_W, PASS_H);
  markerBottom =
      Cut(PLAYER_MARKER_BOTTOM_TX, PLAYER_MARKER_BOTTOM_TY, PLAYER_MARKER_BOTTOM_W, PLAYER_MARKER_BOTTOM_H);
  for (int k = 0; k < 2; ++k) {
    markerTop[k] = Cut(PLAYER_MARKER_TOP_TX + k * PLAYER_MARKER_TOP_W, PLAYER_MARKER_TOP_TY,
                       PLAYER_MARKER_TOP_W, PLAYER_MARKER_TOP_H);
  }
  for (int k = 0; k < 4; ++k) {
    pathTokens[k] = Cut(PATH_TOKEN_TX + k * PATH_TOKEN_W, PATH_TOKEN_TY, PATH_TOKEN_W, PATH_TOKEN_H);
  }
  lifeBar =
      new hgeSpriteStrip(personTexture, LIFEBAR_CADR, 1.0f, LIFEBAR_TX, LIFEBAR_TY, LIFEBAR_W, LIFEBAR_H);
  for (int i = 0; i <= PASS_PHOTO_NUM; ++i) {
    photos.push_back(Cut(PASS_PHOTO_TX + i * PASS_PHOTO_W, PASS_PHOTO_TY, PASS_PHOTO_W, PASS_PHOTO_H));
  }
  selectionPicture =
      Cut(PASS_PHOTO_TX + (PASS_PHOTO_NUM + 1) * PASS_PHOTO_W, PASS_PHOTO_TY, PASS_PHOTO_W, PASS_PHOTO_H);
  font1 = new hgeFont("Data/font.fnt", false);
  font2 = new hgeFont("Data/font.fnt", false);
  messageFont = font2;
  CreateMainButtons();
  CreateTownChoice();
  changeOne = Cut(PASS_CHANGE_ONE_TX, PASS_CHANGE_ONE_TY, PASS_CHANGE_ONE_W, PASS_CHANGE_ONE_H);
  changeOr = Cut(PASS_CHANGE_OR_TX, PASS_CHANGE_OR_TY, PASS_CHANGE_OR_W, PASS_CHANGE_OR_H);
  CreateCardSurface();
}
