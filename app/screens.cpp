// The running screen's identity.
#include "app/screens.h"

Screen currentScreen = Screen::None;

const char* ScreenName(Screen screen) {
  switch (screen) {
    case Screen::Logo:
      return "logo";
    case Screen::Menu:
      return "menu";
    case Screen::Team:
      return "team";
    case Screen::Game:
      return "game";
    case Screen::End:
      return "end";
    case Screen::None:
      break;
  }
  return "none";
}
