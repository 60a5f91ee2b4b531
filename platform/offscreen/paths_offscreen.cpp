// Path operations over POSIX, answering as Windows would where the launcher
// can tell. DOS attributes have no POSIX home: read-only is the owner's write
// bit of a file; hidden, system and archive are kept for the process in a map
// keyed by the file's identity (device, inode and birth time, so that a
// reused inode does not inherit a deleted file's attributes).
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

#include "platform/files.h"
#include "platform/native_file.h"
#include "platform/offscreen/iconv_text.h"
#include "platform/offscreen/native_file_offscreen.h"
#include "platform/offscreen/system.h"

namespace {

constexpr int kAttrMask = 0x27;

using FileKey = std::tuple<unsigned long long, unsigned long long, long long, unsigned>;

struct FileInfo {
    FileKey key;
    dev_t device = 0;
    ino_t inode = 0;
    bool folder = false;
    bool readOnly = false;
    mode_t mode = 0;
};

// Attributes of files without an entry are those Windows gives a new file:
// archive for a file, none for a folder.
std::map<FileKey, int> gAttributes;

bool lookUp(const std::string& posix, FileInfo& info) {
    struct statx found {};
    if (statx(AT_FDCWD, posix.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &found) != 0) {
        return false;
    }
    info.device = makedev(found.stx_dev_major, found.stx_dev_minor);
    info.inode = found.stx_ino;
    bool hasBirth = (found.stx_mask & STATX_BTIME) != 0;
    info.key = FileKey(info.device, info.inode, hasBirth ? found.stx_btime.tv_sec : 0,
                       hasBirth ? found.stx_btime.tv_nsec : 0);
    info.folder = S_ISDIR(found.stx_mode);
    info.mode = found.stx_mode & 07777;
    info.readOnly = !info.folder && (found.stx_mode & S_IWUSR) == 0;
    return true;
}

bool lookUpPath(const Text& path, FileInfo& info) {
    return !path.empty() && lookUp(posixPath(path), info);
}

int attributesOf(const FileInfo& info) {
    auto stored = gAttributes.find(info.key);
    int attributes =
        stored != gAttributes.end() ? stored->second : (info.folder ? 0 : kAttrArchive);
    if (!info.folder) {
        attributes &= ~kAttrReadOnly;
        if (info.readOnly)
            attributes |= kAttrReadOnly;
    }
    return attributes;
}

// Windows' "*.*" matches every name, and "name.*" matches "name" too.
bool wildcardMatches(const std::string& pattern, const char* name) {
    if (fnmatch(pattern.c_str(), name, FNM_CASEFOLD) == 0)
        return true;
    if (pattern.size() < 2 || pattern.compare(pattern.size() - 2, 2, ".*") != 0)
        return false;
    return fnmatch(pattern.substr(0, pattern.size() - 2).c_str(), name, FNM_CASEFOLD) == 0;
}

// Across file systems a file is copied and the original removed, as
// MOVEFILE_COPY_ALLOWED does; the copy never replaces anything.
bool copyAcross(const std::string& from, const std::string& to, mode_t mode) {
    int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    int target = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (target < 0) {
        close(source);
        return false;
    }
    bool copied = true;
    char buffer[65536];
    for (;;) {
        ssize_t got = read(source, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            copied = got == 0;
            break;
        }
        for (ssize_t done = 0; copied && done < got;) {
            ssize_t put = write(target, buffer + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            copied = put > 0;
            done += put > 0 ? put : 0;
        }
        if (!copied)
            break;
    }
    copied = fsync(target) == 0 && copied;
    close(source);
    copied = close(target) == 0 && copied;
    if (!copied || unlink(from.c_str()) != 0) {
        unlink(to.c_str());
        return false;
    }
    return true;
}

}  // namespace

// A journey points the program at its own game folder; otherwise it runs
// where the test binary lies.
Text runDirectory() {
    const std::string& chosen = OffscreenSystem::current().runDirectory;
    if (!chosen.empty())
        return chosen;
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return Text();
    std::string executable(buffer, static_cast<size_t>(length));
    size_t slash = executable.rfind('/');
    return iconvText(executable.substr(0, slash == std::string::npos ? 0 : slash), "UTF-8",
                     "CP936");
}

bool enterRunDirectory() {
    Text folder = runDirectory();
    return chdir(folder.empty() ? "/" : posixPath(folder).c_str()) == 0;
}

bool fileExists(const Text& path) {
    if (path.empty())
        return false;
    std::string posix = posixPath(path);
    size_t slash = posix.rfind('/');
    std::string name = slash == std::string::npos ? posix : posix.substr(slash + 1);
    if (name.find_first_of("*?") == std::string::npos) {
        struct stat info {};
        return stat(posix.c_str(), &info) == 0;
    }
    return listFolder(path).count() > 0;
}

TextList listFolder(const Text& pattern) {
    TextList names;
    std::string posix = posixPath(pattern);
    size_t slash = posix.rfind('/');
    std::string wanted = slash == std::string::npos ? posix : posix.substr(slash + 1);
    std::string folder = slash == std::string::npos ? "." : posix.substr(0, slash);
    DIR* listing = pattern.empty() ? nullptr : opendir(folder.empty() ? "/" : folder.c_str());
    if (listing == nullptr)
        return names;
    while (dirent* entry = readdir(listing)) {
        if (wildcardMatches(wanted, entry->d_name))
            names.append(iconvText(entry->d_name, "UTF-8", "CP936"));
    }
    closedir(listing);
    return names;
}

bool nativeDelete(const Text& path) {
    if (offscreenStepFails())
        return false;
    FileInfo info;
    if (!lookUpPath(path, info) || info.folder || info.readOnly)
        return false;
    if (offscreenFileIsOpen(info.device, info.inode))
        return false;
    if (unlink(posixPath(path).c_str()) != 0)
        return false;
    gAttributes.erase(info.key);
    return true;
}

bool nativeRename(const Text& oldPath, const Text& newPath) {
    if (offscreenStepFails())
        return false;
    FileInfo info;
    if (newPath.empty() || !lookUpPath(oldPath, info))
        return false;
    if (offscreenFileIsOpen(info.device, info.inode))
        return false;
    std::string from = posixPath(oldPath);
    std::string to = posixPath(newPath);
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EXDEV) {
        if (info.folder || !copyAcross(from, to, info.mode))
            return false;
        auto stored = gAttributes.find(info.key);
        FileInfo moved;
        if (stored != gAttributes.end() && lookUp(to, moved))
            gAttributes[moved.key] = stored->second;
        gAttributes.erase(info.key);
        return true;
    }
    // A file system without RENAME_NOREPLACE: check, then rename. The gap
    // between the two only matters to another process racing for the name.
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    struct stat existing {};
    if (lstat(to.c_str(), &existing) == 0)
        return false;
    return rename(from.c_str(), to.c_str()) == 0;
}

bool setAttributes(const Text& path, int attributes) {
    attributes &= kAttrMask;
    FileInfo info;
    if (!lookUpPath(path, info))
        return false;
    if (!info.folder) {
        // Read-only lives in the permission bits, where other programs see it too.
        mode_t mode = (attributes & kAttrReadOnly) != 0 ? info.mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)
                                                        : info.mode | S_IWUSR;
        if (mode != info.mode && chmod(posixPath(path).c_str(), mode) != 0)
            return false;
        attributes &= ~kAttrReadOnly;
    }
    gAttributes[info.key] = attributes;
    return true;
}

int getAttributes(const Text& path) {
    FileInfo info;
    return lookUpPath(path, info) ? attributesOf(info) : -1;
}

bool nativeReplace(const Text& source, const Text& target) {
    if (offscreenStepFails())
        return false;
    FileInfo moving;
    if (!lookUpPath(source, moving))
        return false;
    FileInfo replaced;
    bool exists = lookUpPath(target, replaced);
    if (exists) {
        if (replaced.folder || replaced.readOnly)
            return false;
        if (offscreenFileIsOpen(replaced.device, replaced.inode))
            return false;
    }
    if (rename(posixPath(source).c_str(), posixPath(target).c_str()) != 0)
        return false;
    if (exists) {
        auto stored = gAttributes.find(replaced.key);
        if (stored != gAttributes.end()) {
            gAttributes[moving.key] = stored->second & (kAttrHidden | kAttrSystem | kAttrArchive);
            gAttributes.erase(stored);
        }
    }
    return true;
}
