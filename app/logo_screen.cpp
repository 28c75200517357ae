// The logo screen: fade in, hold, fade out; Space, Escape or Enter skip it.
#include "app/screens.h"
#include "app/shell.h"
#include "config/settings.h"
#include "engine/language.h"
#include "engine/sprite.h"
#include "ui/resources.h"

namespace {

HTEXTURE logoTexture = 0;
hgeSprite* logoSprite = nullptr;

// Grey level g on all four bytes of a colour.
uint32_t Grey(int g) {
  return static_cast<uint32_t>(g) * 0x01010101u;
}

void FreeLogo() {
  delete logoSprite;
  logoSprite = nullptr;
  if (logoTexture != 0) hge->Texture_Free(logoTexture);
  logoTexture = 0;
}

void LeaveLogo() {
  screenTimer = 0.0f;
  screenState = 0;
  FreeLogo();
  StartMenu();
}

bool LogoFrame() {
  if (hge->Input_GetKeyState(HGEK_SPACE) || hge->Input_GetKeyState(HGEK_ESCAPE) ||
      hge->Input_GetKeyState(HGEK_ENTER)) {
    LeaveLogo();
    return false;
  }
  screenTimer += hge->Timer_GetDelta();
  if (screenState == 0) {
    if (screenTimer >= LOGO_TIMER_ADD) {
      logoSprite->SetColor(0xFFFFFFFF);
      screenTimer = 0.0f;
      screenState = 1;
    } else {
      logoSprite->SetColor(Grey(static_cast<int>(screenTimer * 255.0 / LOGO_TIMER_ADD)));
    }
  } else if (screenState == 1) {
    if (screenTimer >= LOGO_TIMER_WAIT) {
      screenTimer = 0.0f;
      screenState = 2;
    }
  } else if (screenState == 2) {
    if (screenTimer >= LOGO_TIMER_REMOVE) {
      LeaveLogo();
    } else {
      logoSprite->SetColor(
          Grey(static_cast<int>((LOGO_TIMER_REMOVE - screenTimer) * 255.0 / LOGO_TIMER_REMOVE)));
    }
  }
  return false;
}

bool LogoRender() {
  hge->Gfx_BeginScene(0);
  hge->Gfx_Clear(0);
  if (logoSprite != nullptr) logoSprite->Render(0, 0);
  hge->Gfx_EndScene();
  return false;
}

}  // namespace

void StartLogo() {
  InstallScreen(Screen::Logo, LogoFrame, LogoRender);
  if (logoTexture == 0) {
    logoTexture = hge->Texture_Load(LocalisedFile("Data/logo.png").c_str(), 0, false);
    logoSprite = new hgeSprite(logoTexture, 0, 0, SCREEN_W, SCREEN_H);
  }
  screenTimer = 0.0f;
  screenState = 0;
  logoSprite->SetColor(0x00000000);
}
