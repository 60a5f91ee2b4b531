// Files, as the launcher sees them: GBK paths with backslashes (a forward slash
// is a separator too), relative paths resolved against the current directory.
// Failures are results: false, 0, -1, empty.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

#include "platform/text.h"

// The folder that holds the executable, without a trailing backslash. On
// Windows, the 8.3 short path when the long one cannot be written in GBK.
Text runDirectory();
// Makes the executable's folder the current directory.
bool enterRunDirectory();

// True if anything matches; wildcards * and ? are allowed in the last part.
bool fileExists(const Text& path);
// The names, without their folder, of the files and folders that match
// `pattern` (wildcards as fileExists takes them), in no set order. On Windows
// the 8.3 short name of each is there too, as the system matches by it too.
TextList listFolder(const Text& pattern);
bool deleteFile(const Text& path);
// Fails when the new path exists; the new path may lie in another folder.
bool renameFile(const Text& oldPath, const Text& newPath);

inline constexpr int kAttrReadOnly = 1;
inline constexpr int kAttrHidden = 2;
inline constexpr int kAttrSystem = 4;
inline constexpr int kAttrArchive = 0x20;
// Only the bits 0x27 are used.
bool setAttributes(const Text& path, int attributes);
// The attributes as set by setAttributes (0x27 bits), -1 when the path is missing.
int getAttributes(const Text& path);

// Empty on any failure.
Bytes readWholeFile(const Text& path);
// Creates or replaces the file with the buffers one after the other. The new
// contents go to a temporary file in the same folder that then replaces the
// target in one step: the file is fully old or fully new, never half written.
bool writeWholeFile(const Text& path, std::initializer_list<Bytes> buffers);
inline bool writeWholeFile(const Text& path, const Bytes& bytes) {
    return writeWholeFile(path, {bytes});
}

// Open files, by number (0 = failure).
inline constexpr int kOpenRead = 1;
inline constexpr int kOpenWrite = 2;
inline constexpr int kOpenReadWrite = 3;
inline constexpr int kOpenCreateTruncate = 4;
inline constexpr int kOpenWriteCreate = 5;
inline constexpr int kOpenReadWriteCreate = 6;

inline constexpr int kShareReadWrite = 1;
inline constexpr int kShareDenyRead = 2;
inline constexpr int kShareDenyWrite = 3;
inline constexpr int kShareExclusive = 4;

inline constexpr int kSeekStart = 1;
inline constexpr int kSeekEnd = 2;
inline constexpr int kSeekCurrent = 3;

using FileNumber = int;

FileNumber openFile(const Text& path, int mode = kOpenReadWrite, int sharing = kShareReadWrite);
void closeFile(FileNumber file);
bool seekFile(FileNumber file, int origin, long long offset);
long long filePosition(FileNumber file);
// Text mode also stops at a 0x00 or 0x1A byte.
bool atEndOfFile(FileNumber file, bool textMode = false);
// Up to a line feed (consumed) or a 0x00 / 0x1A byte (left unread), without
// a trailing carriage return; empty at the end. A longer line than
// kMaxLineBytes is cut there, and the reading goes on after its end. Reading
// goes through a block read ahead, which only this file number's own changes
// renew: what another program writes meanwhile may not be seen.
inline constexpr long long kMaxLineBytes = 1 << 20;
Text readLine(FileNumber file);
// The lines from the file's position to its end, as readLine returns them one
// after the other, except that a 0x00 or 0x1A byte ends its line like a line
// feed and is passed over (a line it ends at once is no line). `take` sees
// each line only during its call and returns false to stop the reading. One
// block read per 64 KiB and no copy of a line held whole in a block. The
// position is left where readLine leaves it after the last line taken.
void forEachLine(FileNumber file, const std::function<bool(std::string_view line)>& take);
// Both leave the file as it was, and the position where it was, when a write
// fails part way (unless the disk refuses the repair as well).
bool insertIntoFile(FileNumber file, const Text& text);
bool deleteFromFile(FileNumber file, long long count);
