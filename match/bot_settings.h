// The bot choices of the main window: their save into Save.ini and the bot
// configuration file that the modification's plugins read.
#pragma once

#include "platform/text.h"

inline constexpr const char* kBotConfigFile = "cstrike\\addons\\amxmodx\\configs\\znk_launcher.cfg";

// Saves map, bot control, bot count and difficulty as the main window shows
// them. A failed write is ignored: the launch goes on.
void saveMainWindowChoices();

// Writes the file when bot control is ticked, and does nothing otherwise.
// Two lines, CR LF between them and none after the second.
void writeBotConfig();
