// The program's own entry, called by the backend's process entry once the
// platform is ready (on Windows: common controls initialised, built-in
// assets registered from the resources).
#pragma once

int launcherMain();
