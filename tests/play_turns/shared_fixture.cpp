// The screen tests' fixture (fake engine, test layout, small maps, figures), built into this program too.
#include "screens/screen_fixture.cpp"
