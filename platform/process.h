// Starting programs, and ending this one.
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

// Ends this program at once with `exitCode`, from anywhere, a handler deep in
// nested modal windows included: buffered output is written and nothing else
// runs, no window is torn down and no clean-up handler is called. For the
// launcher's orderly ends after a message (a missing map list or weapon
// catalogue); a broken invariant is fatalError's.
[[noreturn]] void endProgram(int exitCode);
