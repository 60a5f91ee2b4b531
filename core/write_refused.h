// What the player is told when a file he changes through a window cannot be
// written: the window he is in keeps what the file still says, and the
// message names the file, so that he can find it and make it writable.
#pragma once

#include "platform/text.h"

// `file` is the path relative to the game folder, as the player sees it there.
void tellFileNotWritten(const Text& file);
