#include "match/game_launch.h"

#include <optional>

#include "core/display_text.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "match/bot_settings.h"
#include "match/game_modes.h"
#include "match/loading_layout.h"
#include "match/map_catalogue.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

// The copies leave their output to ">nul"; the launcher never learns whether
// they found anything.
Text copyCommand(const Text& sourceFolder) {
    return "cmd /c copy/Y cstrike\\gfx\\loadingtga\\" + sourceFolder +
           "\\*.* cstrike\\gfx\\znk_loading\\*.* >nul";
}

// Everything both launches do before the game starts. Without a map there is
// no map folder to copy from, and the map copy is left out.
void prepareGameFolder(const std::optional<Text>& map) {
    saveMainWindowChoices();
    // Without bot control no bot file may remain from an earlier launch.
    deleteFile(botConfigFile());
    rewriteLoadingLayout();
    writeBotConfig();
    runCommandLine(copyCommand("mode\\" + modeLoadingCode(g.currentMode)));
    if (map)
        runCommandLine(copyCommand("maps\\" + escapeForCommandProcessor(*map)));
}

// The game is not waited for: the launcher's work ends with its start.
void endLauncher() {
    closeWindow(ControlRef{MainWindow::kId, 0});
}

}  // namespace

Text escapeForCommandProcessor(const Text& text) {
    Text escaped;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (isLeadByte(byte) && i + 1 < text.size()) {
            escaped += text.substr(i, 2);
            ++i;
            continue;
        }
        switch (byte) {
            case '&':
            case '|':
            case '<':
            case '>':
            case '^':
            case '%':
            case '"':
            case '(':
            case ')':
                escaped += '^';
                break;
            default:
                break;
        }
        escaped += static_cast<char>(byte);
    }
    return escaped;
}

void onLaunchClicked() {
    std::optional<Text> map = selectedMapFileName();
    if (!map) {
        messageBox(displayText("地图列表中没有已安装的地图，无法在地图上启动游戏。"),
                   kMbOk | kMbIconExclamation);
        return;
    }
    prepareGameFolder(map);
    // The game is started directly, not through the command processor, so
    // the map's name reaches it as it is.
    runCommandLine("cstrike.exe +map " + *map + ".bsp +maxplayers 32");
    endLauncher();
}

void onPlainLaunchClicked() {
    prepareGameFolder(selectedMapFileName());
    runCommandLine("cstrike");
    endLauncher();
}
