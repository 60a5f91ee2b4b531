// The launcher's own settings: the language file, read once at start, and the
// last choices of the main window, read at start and saved at every launch.
#pragma once

#include "platform/text.h"

inline constexpr const char* kLanguageFile = "LauncherRes\\Data\\language.ini";
inline constexpr const char* kChoicesFile = "LauncherRes\\Data\\Save.ini";

// The conversion number for every text the launcher builds and shows:
// kNoConversion when "lang" is 1, kGbkToBig5 for anything else (a missing
// file included).
int readLanguageSelector();

struct SavedChoices {
    int lastChoice = 0;  // 0-based map list index; -1 when nothing is selected
    bool controlBot = false;
    Text botNum = "0";      // the bot-count box's text
    int botDifficulty = 0;  // 0-based difficulty list index
};

// Values are not checked against the lists here; the lists bound them.
// botNum is read as a number and shown as one: "12abc" becomes "12".
SavedChoices readSavedChoices();

// Writes controlbot, botnum, lastchoice and botdifficult, in that order.
// False when a write failed; the launch goes on regardless.
bool saveChoices(const SavedChoices& choices);
