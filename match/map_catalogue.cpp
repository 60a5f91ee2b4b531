#include "match/map_catalogue.h"

#include <set>

#include "core/display_text.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

ControlRef mapList() {
    return {MainWindow::kId, MainWindow::组合框1};
}

// The level files of both map folders, listed once when the list is read:
// a search of the folder per line would make a long list slow to start.
// Names compare as Windows compares them, without regard to ASCII case.
class InstalledMaps {
  public:
    InstalledMaps() {
        for (const char* folder : {"cstrike\\maps\\*", "cstrike_schinese\\maps\\*"}) {
            TextList names = listFolder(folder);
            for (int i = 1; i <= names.count(); ++i)
                levelFiles_.insert(asciiLowerCase(names[i]));
        }
    }

    // A Windows file name never holds * or ?, so a name with them cannot be
    // an installed map; nor can one with a separator be a file of the folder.
    // Neither byte can be the second byte of a GBK character.
    bool has(const Text& fileName) const {
        if (fileName.find_first_of("*?\\/") != Text::npos)
            return false;
        return levelFiles_.count(asciiLowerCase(fileName + ".bsp")) != 0;
    }

  private:
    std::set<Text> levelFiles_;
};

// The table starts with room for the usual 200 maps and grows past them, up
// to kMaxMaps: a list longer than anyone can scroll through is cut there
// rather than fill the memory and the drop-down list.
void storeFileName(int number, const Text& fileName) {
    if (number > g.mapFileNames.count())
        g.mapFileNames.resize(number);
    g.mapFileNames[number] = fileName;
}

// One line of the list: the map's file name, "=", its display name. Blanks
// are squeezed out of both, wherever they stand.
void addMapLine(const Text& line, const InstalledMaps& installed, int& count) {
    if (line.empty() || line == "[Name]")
        return;
    TextList pieces = splitText(line, "=");
    if (pieces.count() < 2)
        return;
    Text fileName = removeAllSpaces(pieces[1]);
    Text displayName = removeAllSpaces(pieces[2]);
    if (!installed.has(fileName))
        return;
    ++count;
    storeFileName(count, fileName);
    comboAddItem(mapList(), displayName, count);
}

}  // namespace

std::optional<Text> selectedMapFileName() {
    int count = comboItemCount(mapList());
    if (count == 0)
        return std::nullopt;
    int index = getInt(mapList(), kComboSelected);
    if (index < 0 || index >= count)
        index = 0;
    return g.mapFileNames[index + 1];
}

void loadMapCatalogue() {
    // Read only: a write-protected list is still a list.
    FileNumber file = openFile(kMapListFile, kOpenRead);
    if (file == 0) {
        messageBox(displayText("地图配置文件不存在,程序结束"), kMbOk);
        endProgram(0);
    }
    int count = 0;
    const InstalledMaps installed;
    // Text mode ends the list at a 0x00 or 0x1A byte, where a line stops
    // without moving on: reading past it would never get anywhere.
    while (!atEndOfFile(file, true) && count < kMaxMaps) {
        addMapLine(readLine(file), installed, count);
    }
    closeFile(file);
}

// A missing preview falls back to kengdie.bmp, a missing fallback to no
// picture; a list without maps shows no picture.
void refreshMapPreview() {
    Bytes picture;
    if (std::optional<Text> map = selectedMapFileName()) {
        Text folder = runDirectory() + "\\LauncherRes\\Data\\Maps\\";
        Text path = folder + *map + "_cso.bmp";
        if (!fileExists(path))
            path = folder + "kengdie.bmp";
        picture = readWholeFile(path);
    }
    setProperty(ControlRef{MainWindow::kId, MainWindow::图片框2}, kPicture, picture);
}

void onMapSelected() {
    refreshMapPreview();
}
