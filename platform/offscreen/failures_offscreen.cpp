// Failures into the offscreen system's records, for the tests to read.
#include "platform/failures.h"

#include <cerrno>
#include <cstring>

#include "platform/offscreen/system.h"

// A refusal by Windows' rules (a read-only file, one that is open) sets no
// errno; clearSystemError has made sure none is left from before.
void recordFailure(const char* operation, const Text& subject, const Text& reason) {
    int error = errno;
    Text why = !reason.empty() ? reason : error != 0 ? Text(std::strerror(error)) : Text("refused");
    OffscreenSystem::current().failures.push_back(RecordedFailure{operation, subject, why});
    errno = error;
}

void clearSystemError() {
    errno = 0;
}
