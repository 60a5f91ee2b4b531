// The texts the launcher builds and shows, converted for the display
// language that language.ini chose at start (g.languageSelector).
#pragma once

#include <string_view>

#include "platform/text.h"

// `text` as the windows should show it: as stored, or in traditional script.
// Texts read from data files are shown as they are and never pass here.
Text displayText(const Text& text);
// displayText of `text` into `shown`, whose storage is reused where the text
// is shown as stored.
void assignDisplayText(Text& shown, std::string_view text);
