// The main window's choices: the map, bot control, bot count and difficulty
// restored from Save.ini at start and saved there at every launch, and the bot
// configuration file that the modification's plugins read.
#pragma once

#include "core/settings.h"
#include "platform/text.h"

// znk_launcher.cfg in the AMX Mod X configuration folder.
Text botConfigFile();

// Start-up steps, in this order among the others: the saved map choice and
// bot-control box (after the map list is loaded), the four difficulty levels,
// then the saved difficulty and bot count. Save.ini is read once for both.
void restoreMapChoice(const SavedChoices& saved);
void fillDifficultyList();
void restoreBotChoices(const SavedChoices& saved);

// The bot-count box: keeps its number within 0 to 31.
void onBotCountChanged();

// Saves map, bot control, bot count and difficulty as the main window shows
// them. A failed write is ignored: the launch goes on.
void saveMainWindowChoices();

// Writes the file when bot control is ticked, and does nothing otherwise.
// Two lines, CR LF between them and none after the second.
void writeBotConfig();
