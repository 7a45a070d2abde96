// Driving the Windows program's main window in-process: pumping its messages
// through the loop's own key handling, pressing keys, recording events.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "main_window.h"

// Handles queued messages as the program's loop does until done() holds;
// false when it still does not after five seconds (a guard against hanging,
// not a measurement).
bool PumpUntil(MainWindow& window, const std::function<bool()>& done);
// Handles what is queued now.
void PumpPending(MainWindow& window);

// Presses and releases a key through the system's input queue, with the
// modifiers held around it.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

using RecordedEvent = std::pair<Control, ControlEvent>;
// What the recording binding table has seen, in order.
std::vector<RecordedEvent>& RecordedEvents();

// The main window with every button's click and 编辑框1's change recorded
// instead of run, and no automation objects; shown and in the foreground.
std::unique_ptr<MainWindow> OpenRecordingWindow();

// The text of a window, read as the services read it.
Text WindowText(HWND window);
// The text on the clipboard as CF_TEXT, or a marker saying why there is none.
Text ClipboardText();

// A fixture around OpenRecordingWindow, handling what is left queued at the end.
class RecordingWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = OpenRecordingWindow();
    ASSERT_TRUE(window_) << "the window could not be built";
  }
  void TearDown() override {
    if (window_) PumpPending(*window_);
  }

  HWND Of(Control control) { return window_->ControlWindow(control); }

  std::unique_ptr<MainWindow> window_;
};
