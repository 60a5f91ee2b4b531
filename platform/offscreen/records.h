// What the offscreen backend records of processes, the registry, sounds and
// windows, as plain records that tests read and fill. Kept in
// OffscreenSystem (platform/offscreen/system.h).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class OffscreenUser;
// A test acting as the user while one window's modal loop runs.
using OffscreenScript = std::function<void(OffscreenUser&)>;

// A failed write, rename, delete or process start (platform/failures.h).
struct RecordedFailure {
    std::string operation;
    std::string subject;  // GBK path or command line
    std::string reason;
};

struct RecordedCommand {
    std::string commandLine;  // GBK, as passed
    bool waitForEnd = false;
    int showMode = 0;  // after clamping to 1..6
    bool started = false;
};

enum class RegistryType { Number, Text };

struct RegistryValue {
    RegistryType type = RegistryType::Number;
    int number = 0;
    std::string text;
};

// The background music as it plays now.
struct MusicState {
    bool playing = false;
    std::vector<std::string> files;
    int repeatCount = 0;  // -1: without end
};

struct PlaybackCall {
    enum Kind { PlayMp3, Stop, Wave };
    Kind kind = PlayMp3;
    int repeatCount = 0;             // PlayMp3: as passed
    std::vector<std::string> files;  // PlayMp3: as passed; Wave: the asset name
};

struct RecordedBalloonTip {
    std::string text;
    bool balloon = false;
    bool centred = false;
};

// A timer that is running: (window id, control id) -> when it is due next.
using TimerKey = std::pair<int, int>;

struct SkinCall {
    std::string exportName;
    std::string skin;  // the bytes passed to SkinH_AttachRes
    std::string password;
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    int aero = 0;  // the argument of SkinH_SetAero
};
