// The theme engine behind our SkinH_EL.dll. It takes on every window of the thread that
// attaches a skin, those that exist and those created later, and only repaints what the
// windows leave at the system's defaults: a window that chose its own colours keeps them.
#pragma once

#include "skin/skin_data.h"

// Installs the theme (a second call replaces it). False when the window hook cannot be set.
bool attachSkin(const SkinTheme& theme);

// Switches the frames' backdrop on or off, now and for later frames. False when the system
// composes no effects.
bool setSkinAero(bool on);
