// The end screen, the same picture for a won and a lost game; Escape ends the run.
#include "app/screens.h"
#include "app/shell.h"
#include "engine/sprite.h"
#include "ui/resources.h"

namespace {

HTEXTURE endTexture = 0;
hgeSprite* endSprite = nullptr;

bool EndFrame() {
  return hge->Input_KeyDown(HGEK_ESCAPE);
}

bool EndRender() {
  hge->Gfx_BeginScene(0);
  endSprite->Render(0, 0);
  hge->Gfx_EndScene();
  return false;
}

}  // namespace

void StartEnd() {
  InstallScreen(Screen::End, EndFrame, EndRender);
  if (endSprite == nullptr) {
    endTexture = hge->Texture_Load("Data/end.png", 0, false);
    endSprite = new hgeSprite(endTexture, 0, 0, SCREEN_W, SCREEN_H);
  }
}
