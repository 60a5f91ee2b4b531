// One launcher per game folder at a time: two would both write Save.ini, and
// the second quick-buy editor would find the buy-menu file held by the first.
#pragma once

// Claims the launcher's folder for this process, for the rest of the run. When
// a launcher of the same folder already runs, its window is brought to the
// front instead and the result is false: this one should end.
bool claimLauncherFolder();
