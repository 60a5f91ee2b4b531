// Open files over CreateFileW. Reads and writes name their offset in an
// OVERLAPPED block, so the handle's own file pointer never matters: the
// position belongs to the open-file table.
#include <windows.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/native_file.h"
#include "platform/win32/wide.h"

namespace {

// One ReadFile or WriteFile moves at most a DWORD's worth.
constexpr long long kMaxTransfer = 1 << 30;

HANDLE handleOf(NativeHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

OVERLAPPED at(long long offset) {
    OVERLAPPED overlapped{};
    overlapped.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    overlapped.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(offset) >> 32);
    return overlapped;
}

}  // namespace

NativeHandle nativeOpen(const Text& path, int mode, int sharing) {
    DWORD access = 0;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
        case kOpenRead:
            access = GENERIC_READ;
            break;
        case kOpenWrite:
            access = GENERIC_WRITE;
            break;
        case kOpenReadWrite:
            access = GENERIC_READ | GENERIC_WRITE;
            break;
        case kOpenCreateTruncate:
            access = GENERIC_WRITE;
            disposition = CREATE_ALWAYS;
            break;
        case kOpenWriteCreate:
            access = GENERIC_WRITE;
            disposition = OPEN_ALWAYS;
            break;
        case kOpenReadWriteCreate:
            access = GENERIC_READ | GENERIC_WRITE;
            disposition = OPEN_ALWAYS;
            break;
        case kNativeCreateNew:
            access = GENERIC_WRITE;
            disposition = CREATE_NEW;
            break;
        default:
            return kNoNativeFile;
    }
    DWORD share = 0;
    switch (sharing) {
        case kShareReadWrite:
            share = FILE_SHARE_READ | FILE_SHARE_WRITE;
            break;
        case kShareDenyRead:
            share = FILE_SHARE_WRITE;
            break;
        case kShareDenyWrite:
            share = FILE_SHARE_READ;
            break;
        case kShareExclusive:
            share = 0;
            break;
        default:
            return kNoNativeFile;
    }
    HANDLE file = CreateFileW(toWidePath(path).c_str(), access, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kNoNativeFile;
    return reinterpret_cast<NativeHandle>(file);
}

void nativeClose(NativeHandle file) {
    CloseHandle(handleOf(file));
}

long long nativeRead(NativeHandle file, long long offset, char* buffer, long long count) {
    long long done = 0;
    while (done < count) {
        OVERLAPPED overlapped = at(offset + done);
        DWORD got = 0;
        DWORD wanted = static_cast<DWORD>(std::min(count - done, kMaxTransfer));
        if (!ReadFile(handleOf(file), buffer + done, wanted, &got, &overlapped)) {
            // A positioned read at or past the end reports the end as an error.
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

bool nativeWrite(NativeHandle file, long long offset, const char* data, long long count) {
    long long done = 0;
    while (done < count) {
        OVERLAPPED overlapped = at(offset + done);
        DWORD put = 0;
        DWORD wanted = static_cast<DWORD>(std::min(count - done, kMaxTransfer));
        if (!WriteFile(handleOf(file), data + done, wanted, &put, &overlapped) || put == 0) {
            return false;
        }
        done += put;
    }
    return true;
}

long long nativeSize(NativeHandle file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(file), &size))
        return -1;
    return size.QuadPart;
}

bool nativeTruncate(NativeHandle file, long long length) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = length;
    return SetFileInformationByHandle(handleOf(file), FileEndOfFileInfo, &end, sizeof end) != 0;
}

bool nativeFlush(NativeHandle file) {
    return FlushFileBuffers(handleOf(file)) != 0;
}

bool nativeReplace(const Text& source, const Text& target) {
    std::wstring from = toWidePath(source);
    std::wstring to = toWidePath(target);
    DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // MoveFileExW would refuse these too; saying so here keeps the reason plain.
        if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
            return false;
        // The replacing file brings its own attributes; a hidden target (the
        // skin library) must stay hidden.
        DWORD kept =
            attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
        if (kept != 0)
            SetFileAttributesW(from.c_str(), kept);
    }
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
