// The game's loading dialog, laid out for the screen size that the engine
// keeps in its registry settings: twelve picture tiles over the screen, the
// frame, and the labels and progress bar near its edges.
#pragma once

#include <optional>

#include "platform/text.h"

inline constexpr const char* kLoadingLayoutFile = "cstrike\\resource\\LoadingDialogNoBanner.res";

// The layout for a width × height screen. nullopt when the text lacks a line
// that the layout edits or such a line is not of the shape
// <indent>"key"<separator>"value".
std::optional<Text> layoutForScreen(const Text& layout, int width, int height);

// Rewrites the file for the registry's screen size. A file that cannot be
// laid out, or cannot be written, stays exactly as it was.
void rewriteLoadingLayout();
