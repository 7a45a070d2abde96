// The main window in-process on the 800 x 600 screen: layout, looks, keys,
// focus and control events.
#include <gtest/gtest.h>

#include <string>

#include "window_harness.h"

namespace {

class MainWindowTest : public RecordingWindowTest {
 protected:
  // Presses the key and waits until the focus has moved to `to`.
  bool PressAndFocus(WORD key, std::initializer_list<WORD> modifiers, Control to) {
    PressKey(key, modifiers);
    return PumpUntil(*window_, [&] { return GetFocus() == Of(to); });
  }

  RECT PlaceInClient(Control control) {
    RECT place;
    GetWindowRect(Of(control), &place);
    MapWindowPoints(nullptr, window_->Handle(), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }
};

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::string Describe(int left, int top, int width, int height) {
  return Describe(RECT{left, top, left + width, top + height});
}

const char* NameOf(Control control) {
  static const char* const kNames[] = {"编辑框1", "标签1", "标签2",   "标签3", "编辑框2",
                                       "编辑框3", "标签4", "编辑框4", "按钮1", "按钮2",
                                       "按钮3",   "按钮4", "按钮5"};
  return kNames[static_cast<int>(control)];
}

TEST_F(MainWindowTest, StartsCentredWithEveryControlAtItsPlaceAndTheCaretInTheAddressBox) {
  RECT outer;
  GetWindowRect(window_->Handle(), &outer);
  EXPECT_EQ(Describe(outer), Describe(158, 175, 483, 249));
  EXPECT_EQ(WindowText(window_->Handle()), Text(kMainWindow.caption));
  for (const ControlRow& row : kControlTable) {
    EXPECT_EQ(Describe(PlaceInClient(row.name)), Describe(row.left, row.top, row.width, row.height))
        << NameOf(row.name);
    EXPECT_EQ(WindowText(Of(row.name)), Text(row.text)) << NameOf(row.name);
  }
  EXPECT_EQ(GetFocus(), Of(Control::编辑框1));
  DWORD start = 1, end = 1;
  SendMessageA(Of(Control::编辑框1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

TEST_F(MainWindowTest, MaximisingAndRestoringLeavesTheControlsAndTheFrameCannotBeResized) {
  EXPECT_FALSE(GetWindowLongA(window_->Handle(), GWL_STYLE) & WS_THICKFRAME);
  ShowWindow(window_->Handle(), SW_MAXIMIZE);
  PumpPending(*window_);
  EXPECT_TRUE(IsZoomed(window_->Handle()));
  for (const ControlRow& row : kControlTable)
    EXPECT_EQ(Describe(PlaceInClient(row.name)), Describe(row.left, row.top, row.width, row.height))
        << NameOf(row.name) << " maximised";
  ShowWindow(window_->Handle(), SW_RESTORE);
  PumpPending(*window_);
  RECT outer;
  GetWindowRect(window_->Handle(), &outer);
  EXPECT_EQ(Describe(outer), Describe(158, 175, 483, 249));
}

TEST_F(MainWindowTest, EditBoxesUseTheGuiFontAndTakeTextsOfAnyLength) {
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4}) {
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(Of(box), WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT))
        << NameOf(box);
    EXPECT_GE(static_cast<DWORD>(SendMessageA(Of(box), EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu)
        << NameOf(box);
  }
}

TEST_F(MainWindowTest, LabelsAndButtonsUseTheCaptionFont) {
  for (const ControlRow& row : kControlTable) {
    if (row.kind == ControlKind::EditBox) continue;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(Of(row.name), WM_GETFONT, 0, 0));
    LOGFONTA described{};
    ASSERT_TRUE(GetObjectA(font, sizeof described, &described)) << NameOf(row.name);
    EXPECT_EQ(std::string(described.lfFaceName), std::string(kCaptionFont.face))
        << NameOf(row.name);
    EXPECT_EQ(described.lfHeight, kCaptionFont.height) << NameOf(row.name);
    EXPECT_EQ(described.lfWeight, kCaptionFont.weight) << NameOf(row.name);
  }
}

// A label fills itself with the button face and draws its caption in black.
TEST_F(MainWindowTest, LabelsPaintTheirBackgroundAndABlackCaption) {
  const HWND label = Of(Control::标签1);
  UpdateWindow(window_->Handle());
  RECT area;
  GetClientRect(label, &area);
  const HDC dc = GetDC(label);
  int black = 0;
  for (int x = 0; x < area.right; ++x)
    for (int y = 0; y < area.bottom; ++y) black += GetPixel(dc, x, y) == RGB(0, 0, 0);
  const COLORREF corner = GetPixel(dc, area.right - 1, 0);
  ReleaseDC(label, dc);
  EXPECT_EQ(corner, GetSysColor(COLOR_BTNFACE));
  EXPECT_GT(black, 0) << "no caption drawn";
}

TEST_F(MainWindowTest, TabWalksTheTabStopsInOrderAndWrapsBothWays) {
  const Control order[] = {Control::编辑框2, Control::编辑框3, Control::编辑框4,
                           Control::按钮1,   Control::按钮2,   Control::按钮3,
                           Control::按钮4,   Control::按钮5,   Control::编辑框1};
  for (Control next : order)
    ASSERT_TRUE(PressAndFocus(VK_TAB, {}, next)) << "Tab to " << NameOf(next);
  ASSERT_TRUE(PressAndFocus(VK_TAB, {VK_SHIFT}, Control::按钮5)) << "Shift+Tab from 编辑框1";
  ASSERT_TRUE(PressAndFocus(VK_TAB, {VK_SHIFT}, Control::按钮4)) << "Shift+Tab from 按钮5";
  ASSERT_TRUE(PressAndFocus(VK_TAB, {}, Control::按钮5)) << "Tab back";
  EXPECT_TRUE(RecordedEvents().empty());
}

// Each key is followed by a Tab: once the focus has moved one step, the key
// before it has been handled too.
TEST_F(MainWindowTest, EnterAndF1DoNothingAndSpaceClicksTheFocusedButton) {
  struct Case {
    const char* name;
    Control focused;
    WORD key;
    Control focusAfterTab;
    std::vector<RecordedEvent> events;
  };
  const Case cases[] = {
      {"Enter in an edit box", Control::编辑框1, VK_RETURN, Control::编辑框2, {}},
      {"Enter on a button", Control::按钮1, VK_RETURN, Control::按钮2, {}},
      {"F1", Control::编辑框3, VK_F1, Control::编辑框4, {}},
      {"Space on a button",
       Control::按钮2,
       VK_SPACE,
       Control::按钮3,
       {{Control::按钮2, ControlEvent::Clicked}}},
  };
  for (const Case& c : cases) {
    RecordedEvents().clear();
    SetFocus(Of(c.focused));
    PressKey(c.key);
    EXPECT_TRUE(PressAndFocus(VK_TAB, {}, c.focusAfterTab)) << c.name;
    EXPECT_EQ(RecordedEvents(), c.events) << c.name;
  }
}

TEST_F(MainWindowTest, EscClosesTheWindowButNotWithShiftHeld) {
  PressKey(VK_ESCAPE, {VK_SHIFT});
  ASSERT_TRUE(PressAndFocus(VK_TAB, {}, Control::编辑框2));
  EXPECT_TRUE(IsWindow(window_->Handle()));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil(*window_, [&] { return window_->Handle() == nullptr; }));
}

TEST_F(MainWindowTest, TheFocusComesBackAfterAnotherWindowWasActive) {
  const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(other);
  struct Case {
    const char* name;
    HWND focused;
    Control expected;
  };
  const Case cases[] = {
      {"a button had it", Of(Control::按钮3), Control::按钮3},
      {"no control had it", window_->Handle(), Control::编辑框1},
  };
  for (const Case& c : cases) {
    SetFocus(c.focused);
    SetActiveWindow(other);
    PumpPending(*window_);
    EXPECT_NE(GetFocus(), Of(c.expected)) << c.name;
    SetActiveWindow(window_->Handle());
    PumpPending(*window_);
    EXPECT_EQ(GetFocus(), Of(c.expected)) << c.name;
  }
  DestroyWindow(other);
}

// The platform sends its own change notification for SetWindowTextA; the
// event still comes once per change.
TEST_F(MainWindowTest, EveryChangeOfTheAddressBoxRaisesItsEventOnce) {
  struct Case {
    const char* name;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"a write", [&] { window_->Services().WriteControlText(Control::编辑框1, "abc"); }},
      {"writing the empty text",
       [&] { window_->Services().WriteControlText(Control::编辑框1, ""); }},
      {"an append", [&] { window_->Services().AppendEditText(Control::编辑框1, "中文"); }},
      {"typing a letter", [&] { PressKey('A'); }},
  };
  const std::vector<RecordedEvent> once = {{Control::编辑框1, ControlEvent::ContentChanged}};
  for (const Case& c : cases) {
    SetFocus(Of(Control::编辑框1));
    RecordedEvents().clear();
    c.change();
    PumpUntil(*window_, [] { return !RecordedEvents().empty(); });
    PumpPending(*window_);
    EXPECT_EQ(RecordedEvents(), once) << c.name;
  }
  RecordedEvents().clear();
  window_->Services().WriteControlText(Control::编辑框2, "x");
  EXPECT_TRUE(RecordedEvents().empty()) << "only 编辑框1 has a change handler";
}

}  // namespace
