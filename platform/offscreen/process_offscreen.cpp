// Processes are only recorded: the tests look at what would have started.
#include "platform/process.h"

#include <cstdlib>

#include "platform/failures.h"
#include "platform/offscreen/system.h"

bool runCommandLine(const Text& commandLine, bool waitForEnd, int showMode) {
    OffscreenSystem& system = OffscreenSystem::current();
    // The show modes run from 1 (hidden) to 6; the native side clamps the same.
    int clamped = showMode > kShowMinNoActivate ? kShowMinNoActivate
                  : showMode < kShowHidden      ? kShowHidden
                                                : showMode;
    bool started = !system.failCommands;
    system.commands.push_back(RecordedCommand{commandLine, waitForEnd, clamped, started});
    if (!started)
        recordFailure("start", commandLine, "failCommands is set");
    return started;
}

// Through exit, where the exe ends at once: the tests' main refuses a process
// that ends before its tests have finished, and it sees only an end that runs
// the atexit handlers. The offscreen windows have nothing to tear down.
void endProgram(int exitCode) {
    std::exit(exitCode);
}
