// The map list of the main window: the entries of Maps.ini whose level file
// is installed, and the preview of the selected one.
#pragma once

#include <optional>

#include "platform/text.h"

inline constexpr const char* kMapListFile = "LauncherRes\\Data\\Maps.ini";
// The most maps the list keeps; the reading stops once it has them.
inline constexpr int kMaxMaps = 10000;

// The start-up step that fills the list from Maps.ini. A missing list ends
// the program after saying so.
void loadMapCatalogue();
// Shows the selected map's preview; the map list's "item selected" event.
void refreshMapPreview();
void onMapSelected();

// The file name of the selected map. With nothing selected the first map
// stands in; nullopt only when the list holds no map at all.
std::optional<Text> selectedMapFileName();
