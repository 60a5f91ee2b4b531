// POSIX files that behave like Windows ones where the launcher can tell: a
// process-wide table of what is open answers the sharing modes the way
// CreateFile would (POSIX has no sharing of its own), and the read-only
// attribute (the owner's write bit) refuses writers even to root.
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/native_file.h"
#include "platform/offscreen/iconv_text.h"
#include "platform/offscreen/native_file_offscreen.h"
#include "platform/offscreen/system.h"

namespace {

struct OpenEntry {
    dev_t device = 0;
    ino_t inode = 0;
    bool reads = false;
    bool writes = false;
    bool othersRead = false;
    bool othersWrite = false;
};

// By descriptor. The launcher runs on one thread; the table needs no lock.
std::map<int, OpenEntry> gOpenEntries;

// Both sides must allow each other: what the newcomer asks for must be shared
// by everyone already there, and what they hold must be shared by it.
bool conflicts(const OpenEntry& a, const OpenEntry& b) {
    if (a.device != b.device || a.inode != b.inode)
        return false;
    return (a.reads && !b.othersRead) || (a.writes && !b.othersWrite) ||
           (b.reads && !a.othersRead) || (b.writes && !a.othersWrite);
}

}  // namespace

bool offscreenStepFails() {
    OffscreenSystem& system = OffscreenSystem::current();
    if (++system.fileSteps != system.failFileStep)
        return false;
    system.failFileStep = 0;
    errno = EIO;
    return true;
}

bool offscreenFileIsOpen(dev_t device, ino_t inode) {
    for (const auto& [descriptor, entry] : gOpenEntries) {
        if (entry.device == device && entry.inode == inode)
            return true;
    }
    return false;
}

NativeHandle nativeOpen(const Text& path, int mode, int sharing) {
    OpenEntry entry;
    int flags = 0;
    switch (mode) {
        case kOpenRead:
            flags = O_RDONLY;
            break;
        case kOpenWrite:
        case kOpenCreateTruncate:
        case kOpenWriteCreate:
            flags = O_WRONLY;
            break;
        case kOpenReadWrite:
        case kOpenReadWriteCreate:
            flags = O_RDWR;
            break;
        case kNativeCreateNew:
            flags = O_WRONLY | O_CREAT | O_EXCL;
            break;
        default:
            return kNoNativeFile;
    }
    if (mode == kOpenCreateTruncate || mode == kOpenWriteCreate || mode == kOpenReadWriteCreate) {
        flags |= O_CREAT;
    }
    entry.reads = (flags & O_ACCMODE) != O_WRONLY;
    entry.writes = (flags & O_ACCMODE) != O_RDONLY;
    entry.othersRead = sharing == kShareReadWrite || sharing == kShareDenyWrite;
    entry.othersWrite = sharing == kShareReadWrite || sharing == kShareDenyRead;

    if (entry.writes && offscreenStepFails())
        return kNoNativeFile;
    // Truncation waits until the sharing check has passed: Windows refuses a
    // conflicting open before it touches the file.
    int descriptor = open(posixPath(path).c_str(), flags | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return kNoNativeFile;
    struct stat info {};
    bool usable = fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    usable = usable && !(entry.writes && (info.st_mode & S_IWUSR) == 0);
    entry.device = info.st_dev;
    entry.inode = info.st_ino;
    for (const auto& [other, held] : gOpenEntries) {
        if (usable && conflicts(entry, held))
            usable = false;
    }
    if (usable && mode == kOpenCreateTruncate)
        usable = ftruncate(descriptor, 0) == 0;
    if (!usable) {
        close(descriptor);
        return kNoNativeFile;
    }
    gOpenEntries[descriptor] = entry;
    return descriptor;
}

void nativeClose(NativeHandle file) {
    int descriptor = static_cast<int>(file);
    if (gOpenEntries.erase(descriptor) != 0)
        close(descriptor);
}

long long nativeRead(NativeHandle file, long long offset, char* buffer, long long count) {
    long long done = 0;
    while (done < count) {
        ssize_t got = pread(static_cast<int>(file), buffer + done,
                            static_cast<size_t>(count - done), static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

bool nativeWrite(NativeHandle file, long long offset, const char* data, long long count) {
    if (count == 0)
        return true;
    long long allowed = offscreenStepFails() ? count / 2 : count;
    long long done = 0;
    while (done < allowed) {
        ssize_t put =
            pwrite(static_cast<int>(file), data + done, static_cast<size_t>(allowed - done),
                   static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += put;
    }
    if (allowed != count)
        errno = EIO;
    return allowed == count;
}

long long nativeSize(NativeHandle file) {
    struct stat info {};
    if (fstat(static_cast<int>(file), &info) != 0)
        return -1;
    return static_cast<long long>(info.st_size);
}

bool nativeTruncate(NativeHandle file, long long length) {
    if (offscreenStepFails())
        return false;
    return ftruncate(static_cast<int>(file), static_cast<off_t>(length)) == 0;
}

// These files stand in for Windows ones in tests, where nothing outlives a
// power cut; waiting for the disk (some 8 ms a file here) would only slow
// every journey that saves its settings.
bool nativeFlush(NativeHandle file) {
    return file != kNoNativeFile && !offscreenStepFails();
}
