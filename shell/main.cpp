#include "platform/entry.h"
#include "shell/startup.h"

int launcherMain() {
    return runLauncher();
}
