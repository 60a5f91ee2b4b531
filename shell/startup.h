// Program entry and the set-up of the main window.
#pragma once

// Runs the launcher: makes its folder current, creates the global tables,
// loads the main window and returns when it has closed.
int runLauncher();

// The texts the launcher shows, converted for the display language.
#include "platform/text.h"
Text displayText(const Text& text);

// Set-up steps of the main window that restore the saved choices.
void restoreMapChoice();
void restoreBotChoices();
void fillDifficultyList();
