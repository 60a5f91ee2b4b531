// The offscreen stand-in for the operating system: what the launcher shows and
// starts is recorded here, and a test answers for the user. Each test makes its
// own OffscreenSystem; while it lives it is the current one. Without one, a
// default instance answers (every message box with OK).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/offscreen/records.h"

struct RecordedMessageBox {
    std::string message;  // GBK, as passed
    int flags = 0;
    std::string caption;
};

class OffscreenSystem {
  public:
    OffscreenSystem();
    ~OffscreenSystem();
    OffscreenSystem(const OffscreenSystem&) = delete;
    OffscreenSystem& operator=(const OffscreenSystem&) = delete;

    static OffscreenSystem& current();

    // Message boxes: each box takes the next answer (a result of messageBox,
    // kIdOk by default) and is recorded.
    std::deque<int> messageBoxAnswers;
    std::vector<RecordedMessageBox> messageBoxes;

    // File faults. Every step that changes a file is counted in fileSteps:
    // an open that may write (the creation of a new file included), each
    // write, flush and cut of a length, each replace, rename and delete. The
    // step whose number is failFileStep fails, once (0: none); a failing
    // write puts down the first half of its bytes, as a disk that fills does.
    // A test runs an operation once to count its steps, then once per step.
    long long fileSteps = 0;
    long long failFileStep = 0;

    // Windows. Each modal load of window `id` takes the next script queued for
    // it and runs it as the user; without one the user closes the window at
    // once with its close box, as he does when a script ends with the window
    // still open (those windows are listed in leftOpenByScripts).
    void onWindow(int id, OffscreenScript script) {
        windowScripts[id].push_back(std::move(script));
    }
    std::map<int, std::deque<OffscreenScript>> windowScripts;
    std::vector<int> openedWindows;  // every modal load, in order
    std::vector<int> leftOpenByScripts;
    std::map<std::intptr_t, RecordedBalloonTip> balloonTips;
    // The virtual clock (milliseconds) that drives the timers; it moves only
    // when a script lets time pass.
    long long clockMs = 0;
    std::map<TimerKey, long long> timersDue;
    std::intptr_t lastHandle = 0x1000;

    // Every failure the platform recorded, in order (platform/failures.h).
    std::vector<RecordedFailure> failures;

    // Processes: every runCommandLine call; with failCommands set none starts.
    std::vector<RecordedCommand> commands;
    bool failCommands = false;

    // The registry. Roots and paths as readRegistryNumber takes them; key and
    // value names compare without regard to ASCII case, as Windows does.
    void setRegistryNumber(int root, const std::string& path, int value);
    void setRegistryText(int root, const std::string& path, const std::string& value);
    std::map<std::string, RegistryValue> registry;

    // Sounds: the music now, and every call in order.
    MusicState music;
    std::vector<PlaybackCall> playback;

    // The folder the program runs from (a launcher path); empty: the folder of
    // the test binary. Journeys point it at their game folder.
    std::string runDirectory;

    // The skin library: every call of its two exports, in order. With
    // skinLibraryBroken set no usable library can be had, neither the folder's
    // nor a private copy, so the first call is the fatal error.
    std::vector<SkinCall> skinCalls;
    bool skinLibraryBroken = false;

  private:
    OffscreenSystem* previous_ = nullptr;
};
