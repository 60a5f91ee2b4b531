// The backend's half of the file operations: a handle to an open file with
// positioned reads and writes. The file position, the table of file numbers
// and the algorithms over whole lines and blocks live in platform/files.cpp;
// each backend only opens, reads, writes, sizes, cuts and closes.
#pragma once

#include <cstdint>

#include "platform/text.h"

using NativeHandle = std::intptr_t;
inline constexpr NativeHandle kNoNativeFile = -1;

// Modes 1..6 and sharing 1..4 of platform/files.h, already checked; the mode
// below is for the temporary file of a whole-file write and fails when the
// path exists.
inline constexpr int kNativeCreateNew = 100;

NativeHandle nativeOpen(const Text& path, int mode, int sharing);
void nativeClose(NativeHandle file);
// Reads up to `count` bytes at `offset`; fewer only at the end of the file.
// -1 on an error.
long long nativeRead(NativeHandle file, long long offset, char* buffer, long long count);
// Writes all `count` bytes at `offset` or fails; a write past the end grows the file.
bool nativeWrite(NativeHandle file, long long offset, const char* data, long long count);
// -1 on an error.
long long nativeSize(NativeHandle file);
bool nativeTruncate(NativeHandle file, long long length);
// Waits until the bytes written are on the disk.
bool nativeFlush(NativeHandle file);

// The backends' deleteFile and renameFile (platform/files.h), which add the
// failure record.
bool nativeDelete(const Text& path);
bool nativeRename(const Text& oldPath, const Text& newPath);

// Puts `source` in the place of `target` in one step. Fails, leaving both as
// they were, when the target is read-only, a folder or open. The target's
// hidden and system attributes stay with the file.
bool nativeReplace(const Text& source, const Text& target);
