// Program entry and the set-up of the main window.
#pragma once

// Runs the launcher: makes its folder current, creates the global tables,
// loads the main window and returns when it has closed.
int runLauncher();

// The main window's "created" event: the start-up steps in their order.
void onMainWindowCreated();
