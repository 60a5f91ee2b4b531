// A whole launcher run on the offscreen backend over a game folder of its own:
// the test writes the files the run should find, queues what the user does in
// each window (system.onWindow), runs the launcher and then reads back the
// files, the windows' state as the scripts saw it, and what the run started.
#pragma once

#include <string>

#include "platform/offscreen/system.h"
#include "platform/offscreen/user.h"
#include "support/temp_folder.h"

class LauncherJourney {
  public:
    // A game folder with the skin library's assets registered, a minimal map
    // list (one installed map, dust2 shown as "DustII") and language.ini
    // with lang=1, so texts show as stored unless a test says otherwise.
    LauncherJourney();

    // Runs the launcher to its end: the main window's script, and those of
    // every window it opens, run inside.
    int run();

    // Writes language.ini with the given "lang" value.
    void setLanguage(const std::string& lang);
    // Writes Maps.ini with these lines (GBK, CRLF) and installs the named
    // level files in cstrike\maps.
    void setMaps(const std::string& mapsIni, std::initializer_list<const char*> installed);

    TempFolder folder;
    OffscreenSystem system;
};

// The fake skin assets every journey registers: the bytes written out as
// SkinH_EL.dll when it is missing, and the skin handed to SkinH_AttachRes.
extern const std::string kJourneySkinLibrary;
extern const std::string kJourneySkin;
