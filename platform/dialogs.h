// Message boxes.
#pragma once

#include "platform/text.h"

// Standard message box flags that the launcher uses.
inline constexpr int kMbOk = 0;
inline constexpr int kMbOkCancel = 1;
inline constexpr int kMbYesNo = 4;
inline constexpr int kMbIconError = 16;
inline constexpr int kMbIconExclamation = 48;
inline constexpr int kMbSystemModal = 0x1000;
inline constexpr int kMbTaskModal = 0x2000;

// Results: the button pressed.
inline constexpr int kIdOk = 0;
inline constexpr int kIdCancel = 1;
inline constexpr int kIdAbort = 2;
inline constexpr int kIdRetry = 3;
inline constexpr int kIdIgnore = 4;
inline constexpr int kIdYes = 5;
inline constexpr int kIdNo = 6;

// Task-modal box without an owner; the text and caption are shown in the
// display code page. Returns the button pressed.
int messageBox(const Text& message, int flags, const Text& caption = "信息：");
int messageBox(int message, int flags, const Text& caption = "信息：");
