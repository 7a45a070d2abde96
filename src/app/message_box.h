// The message-box style word and result, as the platform's MB_ and ID values.
//
// Only two styles are used (kMbOk by the extraction command, kMbIconInformation
// by the page fetch), but a front end honours the whole button and icon sets
// and the default button.
#pragma once

#include "text/text.h"

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbOkCancel = 0x1;
inline constexpr unsigned kMbAbortRetryIgnore = 0x2;
inline constexpr unsigned kMbYesNoCancel = 0x3;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbRetryCancel = 0x5;
inline constexpr unsigned kMbButtonMask = 0xF;

inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconWarning = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr unsigned kMbIconMask = 0xF0;

// Which button, counted from the left, is the default: the first unless these
// say otherwise.
inline constexpr unsigned kMbDefButton2 = 0x100;
inline constexpr unsigned kMbDefButton3 = 0x200;
inline constexpr unsigned kMbDefButtonMask = 0xF00;

inline constexpr unsigned kMbSystemModal = 0x1000;
inline constexpr unsigned kMbTaskModal = 0x2000;

// The platform's button codes (IDOK ... IDNO).
enum class MessageBoxButton { Ok = 1, Cancel, Abort, Retry, Ignore, Yes, No };

inline constexpr char kDefaultMessageBoxTitle[] = "信息：";

// Boxes are task-modal unless the caller asked for system-modal.
constexpr unsigned WithTaskModality(unsigned style) {
  return (style & kMbSystemModal) ? style : style | kMbTaskModal;
}

// What ShowMessageBox answers: OK 0, Cancel 1, ... No 6.
constexpr int MessageBoxResult(MessageBoxButton button) { return static_cast<int>(button) - 1; }
