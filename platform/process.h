// Starting programs.
#pragma once

#include "platform/text.h"

// Show modes of the child's main window.
inline constexpr int kShowHidden = 1;
inline constexpr int kShowNormal = 2;
inline constexpr int kShowMinimized = 3;
inline constexpr int kShowMaximized = 4;
inline constexpr int kShowNoActivate = 5;
inline constexpr int kShowMinNoActivate = 6;

// Starts the whole command line (its first word names the program) in the
// current directory. Without waiting, gives the new process up to 1000 ms to
// become idle. True if the process was started.
bool runCommandLine(const Text& commandLine, bool waitForEnd = false, int showMode = kShowNormal);
