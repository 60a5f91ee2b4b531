// The offscreen stand-in for the operating system: what the launcher shows and
// starts is recorded here, and a test answers for the user. Each test makes its
// own OffscreenSystem; while it lives it is the current one. Without one, a
// default instance answers (every message box with OK).
#pragma once

#include <deque>
#include <string>
#include <vector>

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

private:
    OffscreenSystem* previous_ = nullptr;
};
