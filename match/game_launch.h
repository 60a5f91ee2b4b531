// The two launches of the main window: prepare the game folder, start the
// copies of the loading images and the game, and end the launcher.
#pragma once

#include "platform/text.h"

// The main window's "启动器启动" (按钮15) starts the game on the selected map,
// or refuses with a message when the list holds no map; "正常启动" (按钮14)
// starts it without one.
void onLaunchClicked();
void onPlainLaunchClicked();

// `text` for a cmd.exe command line: every character that the command
// processor treats specially gets a caret before it, so that it stands for
// itself. The double-byte rule holds: a character's second byte is never
// taken for one of them.
Text escapeForCommandProcessor(const Text& text);
