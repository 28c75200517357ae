// hgeGUI and hgeGUIPushButton: press and release, locking, hits, MouseOver, focus and drawing of the buttons.
#include "engine/gui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/button.h"
#include "support/fake_engine.h"

namespace {

constexpr HTEXTURE kTex = 2;  // 256 x 256

// A control that writes down every call it gets and answers with `answer`.
class Probe : public hgeGUIObject {
 public:
  Probe(int ctrlId, float left, float top, float right, float bottom, std::vector<std::string>* journal)
      : journal(journal) {
    id = ctrlId, x1 = left, y1 = top, x2 = right, y2 = bottom;
  }
  void Render() override {}
  void MouseOver(bool over) override { Note(over ? "Over+" : "Over-"); }
  void Focus(bool focused) override { Note(focused ? "Focus+" : "Focus-"); }
  bool MouseLButton(bool down) override { return Note(down ? "L+" : "L-"); }

  bool answer = false;

 private:
  bool Note(const std::string& what) {
    journal->push_back(std::to_string(id) + what);
    return answer;
  }
  std::vector<std::string>* journal;
};

class GuiTest : public ::testing::Test {
 protected:
  GuiTest() {
    hgeInstall(&fake);
    fake.SetTextureSize(kTex, 256, 256);
  }

  // Runs one GUI frame with the given mouse, then starts the next frame.
  int Frame(hgeGUI& gui, float x, float y) {
    fake.SetMouse(x, y);
    int id = gui.Update(0.01f);
    fake.NextFrame();
    return id;
  }

  FakeEngine fake;
  std::vector<std::string> journal;
};

// Guards the push button: pressed while held (even outside), reported once on release, normal and pressed
// pictures side by side, disabled never hit, hidden not drawn, every reference given back.
TEST_F(GuiTest, PushButtonReportsOnReleaseEvenAfterTheMouseLeft) {
  {
    hgeGUI gui;
    gui.AddCtrl(new hgeGUIPushButton(5, 10, 12, 50, 20, kTex, 0, 64));
    auto* button = static_cast<hgeGUIPushButton*>(gui.GetCtrl(5));
    ASSERT_NE(button, nullptr);
    gui.Render();
    fake.Press(HGEK_LBUTTON);
    EXPECT_EQ(Frame(gui, 20, 15), 0);
    EXPECT_TRUE(button->GetState());
    gui.Render();
    ASSERT_EQ(fake.quads.size(), 2u);
    EXPECT_FLOAT_EQ(fake.quads[1].v[0].x, 10);
    EXPECT_FLOAT_EQ(fake.quads[0].v[0].tx, 0);
    EXPECT_FLOAT_EQ(fake.quads[1].v[0].tx, 50.0f / 256);  // the pressed picture beside the normal one

    EXPECT_EQ(Frame(gui, 300, 300), 0);  // held, outside
    EXPECT_TRUE(button->GetState());
    fake.Lift(HGEK_LBUTTON);
    EXPECT_EQ(Frame(gui, 300, 300), 5);
    EXPECT_FALSE(button->GetState());
    EXPECT_EQ(Frame(gui, 300, 300), 0);  // the lock is gone: nothing more to report

    gui.EnableCtrl(5, false);  // a disabled control is never hit
    fake.Press(HGEK_LBUTTON);
    EXPECT_EQ(Frame(gui, 20, 15), 0);
    fake.Lift(HGEK_LBUTTON);
    EXPECT_EQ(Frame(gui, 20, 15), 0);
    EXPECT_FALSE(button->GetState());
    gui.EnableCtrl(5, true);
    gui.ShowCtrl(5, false);  // a hidden one is not drawn
    fake.quads.clear();
    gui.Render();
    EXPECT_TRUE(fake.quads.empty());
  }
  EXPECT_EQ(fake.refs, 0);
}

// Guards hits (the newest control under the mouse wins, MouseOver follows the mouse), the mouse lock (the
// pressed control gets the mouse until the button is up) and the focus moving with a press.
TEST_F(GuiTest, NewestControlWinsAndThePressedOneHoldsTheMouse) {
  hgeGUI gui;
  gui.AddCtrl(new Probe(1, 0, 0, 100, 100, &journal));
  gui.AddCtrl(new Probe(2, 50, 50, 150, 150, &journal));
  fake.Press(HGEK_LBUTTON);
  Frame(gui, 10, 10);
  Frame(gui, 125, 130);  // over 2, but 1 holds the mouse: no MouseOver for 2
  fake.Lift(HGEK_LBUTTON);
  Frame(gui, 125, 130);  // released, 1 still gets this frame
  Frame(gui, 125, 130);  // now 2 is under the mouse
  EXPECT_EQ(journal, (std::vector<std::string>{"1Over+", "1Focus+", "1L+", "1L-", "1Over-", "2Over+"}));

  journal.clear();
  static_cast<Probe*>(gui.GetCtrl(2))->answer = true;
  fake.Press(HGEK_LBUTTON);
  EXPECT_EQ(Frame(gui, 75, 80), 2);  // over both: the newest takes the press and the focus
  EXPECT_EQ(journal, (std::vector<std::string>{"1Focus-", "2Focus+", "2L+"}));
}

}  // namespace
