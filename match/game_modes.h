// The five game modes. AMX Mod X reads only the plugin lists named
// "plugins-<tag>.ini", so a mode is made current by giving its list that name
// and the other four the name "disabled-<tag>.ini".
#pragma once

#include "platform/text.h"

inline constexpr int kModeCount = 5;

// Makes `mode` (1 to 5) current: the global, the caption of the mode button
// and the renames. Renames that fail are skipped; nothing is reported.
void activateMode(int mode);

// The start-up step: the mode whose plugin list is active, if any.
void detectCurrentMode();

// The main window's mode button (opens the chooser) and the tip of the mode
// label; the mode chooser's events.
void onModeButtonClicked();
void onModeTipHovered();
void onModeChooserCreated();
void onModeChooserDestroyed();
void onModePictureClicked();

// The folder under cstrike\gfx\loadingtga\mode that holds the mode's loading
// images; empty for 0 (no mode detected).
Text modeLoadingCode(int mode);
