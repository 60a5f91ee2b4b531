// The two launches of the main window: prepare the game folder, start the
// copies of the loading images and the game, and end the launcher.
#pragma once

#include "platform/text.h"

// `text` for a cmd.exe command line: every character that the command
// processor treats specially gets a caret before it, so that it stands for
// itself. The double-byte rule holds: a character's second byte is never
// taken for one of them.
Text escapeForCommandProcessor(const Text& text);
