// Driving the Windows program's main window in-process: pumping its messages
// through the loop's own key handling, pressing keys, recording events.
#pragma once

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
