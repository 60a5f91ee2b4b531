// What the desktop window manager can add to a frame: a dark title bar, title colours and a
// system backdrop. Everything is looked up at run time, so the library loads on systems
// without the window manager (Windows 7 with composition off, Wine) and does nothing there.
#pragma once

#include <windows.h>

#include "skin/skin_data.h"

// Title bar in the skin's colours (dark mode for a dark skin); silently skipped where the
// system has no such attribute.
void applyFrameColors(HWND frame, const SkinTheme& theme);

// Turns the backdrop of the frame on or off where the system offers one.
void applyFrameBackdrop(HWND frame, bool on);

// True when the window manager composes the desktop, so that frames can take effects.
bool frameEffectsAvailable();
