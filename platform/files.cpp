// The open-file table and the algorithms over it, the same on every backend:
// the backends only read and write bytes at a given offset (native_file.h).
#include "platform/files.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <cstring>
#include <map>
#include <memory>

#include "platform/byte_search.h"
#include "platform/failures.h"
#include "platform/native_file.h"

namespace {

constexpr long long kMoveBlock = 4096;
// Lines are read from a block read ahead of them: one system call per 64 KiB
// instead of one or more per line, which is most of what reading a long list
// costs where system calls are slow (Wine).
constexpr long long kReadAhead = 64 * 1024;

struct OpenFile {
    NativeHandle handle = kNoNativeFile;
    long long position = 0;
    // The bytes read ahead, from aheadAt; aheadEnds when they reach the end of
    // the file. Our own changes to the file drop them.
    Bytes ahead;
    long long aheadAt = 0;
    bool aheadEnds = false;
};

// The launcher runs on one thread; the table needs no lock.
std::map<FileNumber, OpenFile> gOpenFiles;
FileNumber gLastNumber = 0;

OpenFile* findOpenFile(FileNumber number) {
    auto found = gOpenFiles.find(number);
    return found == gOpenFiles.end() ? nullptr : &found->second;
}

// Numbers are not handed out again soon after a close, so that a stale number
// kept by mistake finds nothing instead of someone else's file.
FileNumber nextFileNumber() {
    do {
        gLastNumber = gLastNumber == INT_MAX ? 1 : gLastNumber + 1;
    } while (gOpenFiles.count(gLastNumber) != 0);
    return gLastNumber;
}

// The bytes at `position` from the block read ahead, which is read again
// from there unless it holds at least `wanted` of them or ends with the file.
// `available` is how many there are (0 at the end, -1 on an error).
const char* bytesAt(OpenFile& file, long long position, long long wanted, long long& available) {
    long long offset = position - file.aheadAt;
    long long held = static_cast<long long>(file.ahead.size());
    if (offset < 0 || offset > held || (held - offset < wanted && !file.aheadEnds)) {
        file.ahead.resize(static_cast<size_t>(kReadAhead));
        long long got = nativeRead(file.handle, position, file.ahead.data(), kReadAhead);
        file.ahead.resize(static_cast<size_t>(std::max(0LL, got)));
        file.aheadAt = position;
        file.aheadEnds = got < kReadAhead;
        if (got < 0) {
            available = -1;
            return nullptr;
        }
        offset = 0;
        held = got;
    }
    available = held - offset;
    return file.ahead.data() + offset;
}

void forgetReadAhead(OpenFile& file) {
    file.ahead.clear();
    file.aheadAt = 0;
    file.aheadEnds = false;
}

bool isLineEnd(unsigned char byte) {
    return byte == 0x0A || byte == 0x00 || byte == 0x1A;
}

// The first 0x0A, 0x00 or 0x1A byte in [at, end), or end, in one pass.
const char* nextLineEnd(const char* at, const char* end) {
    for (std::uint64_t word = 0; end - at >= 8; at += 8) {
        std::memcpy(&word, at, 8);
        if (hasZeroByte(word) || hasZeroByte(word ^ everyByte(0x0A)) ||
            hasZeroByte(word ^ everyByte(0x1A)))
            break;
    }
    while (at < end && !isLineEnd(static_cast<unsigned char>(*at)))
        ++at;
    return at;
}

// Copies [from, from + length) to [to, to + length) in blocks, in the order
// that reads every byte before it is overwritten: from the last block
// backwards when moving towards the end, from the first block otherwise.
// `moved` counts the bytes that have reached their new place, from the side
// the copy began at. A block whose write fails is written back where it came
// from, since the half-done write may have landed on its own source bytes.
bool moveBlocks(NativeHandle file, long long from, long long to, long long length,
                long long& moved) {
    moved = 0;
    if (length <= 0 || from == to)
        return true;
    const bool backwards = to > from;
    Bytes block(static_cast<size_t>(std::min(length, kMoveBlock)), '\0');
    while (moved < length) {
        long long size = std::min(kMoveBlock, length - moved);
        long long offset = backwards ? length - moved - size : moved;
        if (nativeRead(file, from + offset, block.data(), size) != size)
            return false;
        if (!nativeWrite(file, to + offset, block.data(), size)) {
            nativeWrite(file, from + offset, block.data(), size);
            return false;
        }
        moved += size;
    }
    return true;
}

Text temporaryNameFor(const Text& path) {
    static std::atomic<unsigned> counter{0};
    auto seconds = static_cast<unsigned long long>(std::time(nullptr));
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".~%llx%x.tmp", seconds & 0xFFFFFFFFull, counter++);
    return path + suffix;
}

}  // namespace

FileNumber openFile(const Text& path, int mode, int sharing) {
    if (mode < kOpenRead || mode > kOpenReadWriteCreate)
        return 0;
    if (sharing < kShareReadWrite || sharing > kShareExclusive)
        return 0;
    if (path.empty())
        return 0;
    NativeHandle handle = nativeOpen(path, mode, sharing);
    if (handle == kNoNativeFile)
        return 0;
    FileNumber number = nextFileNumber();
    gOpenFiles[number].handle = handle;
    return number;
}

void closeFile(FileNumber number) {
    auto found = gOpenFiles.find(number);
    if (found == gOpenFiles.end())
        return;
    nativeClose(found->second.handle);
    gOpenFiles.erase(found);
}

bool seekFile(FileNumber number, int origin, long long offset) {
    OpenFile* file = findOpenFile(number);
    if (file == nullptr)
        return false;
    long long base = 0;
    switch (origin) {
        case kSeekStart:
            base = 0;
            break;
        case kSeekEnd:
            base = nativeSize(file->handle);
            if (base < 0)
                return false;
            break;
        case kSeekCurrent:
            base = file->position;
            break;
        default:
            return false;
    }
    long long position = 0;
    if (__builtin_add_overflow(base, offset, &position) || position < 0)
        return false;
    file->position = position;
    return true;
}

long long filePosition(FileNumber number) {
    OpenFile* file = findOpenFile(number);
    return file == nullptr ? -1 : file->position;
}

// A byte that cannot be read counts as the end: reading loops must stop.
bool atEndOfFile(FileNumber number, bool textMode) {
    OpenFile* file = findOpenFile(number);
    if (file == nullptr)
        return true;
    long long available = 0;
    const char* next = bytesAt(*file, file->position, 1, available);
    if (available <= 0)
        return true;
    return textMode && (next[0] == 0x00 || next[0] == 0x1A);
}

// A GBK second byte is never a line end, so walking by characters only
// decides where a block is cut: a character split by the block's end is read
// whole from the next block. A line longer than kMaxLineBytes keeps its
// first kMaxLineBytes bytes; the rest of it is passed over.
Text readLine(FileNumber number) {
    OpenFile* file = findOpenFile(number);
    if (file == nullptr)
        return Text();
    Text line;
    for (;;) {
        long long got = 0;
        const char* block = bytesAt(*file, file->position, 2, got);
        if (got <= 0)
            break;
        long long kept = 0;
        bool ended = false;
        while (kept < got) {
            unsigned char byte = static_cast<unsigned char>(block[kept]);
            if (isLineEnd(byte)) {
                ended = true;
                break;
            }
            if (!isLeadByte(byte)) {
                ++kept;
            } else if (kept + 1 < got) {
                // A lead byte before a line end is a lone byte: the line still ends there.
                kept += isLineEnd(static_cast<unsigned char>(block[kept + 1])) ? 1 : 2;
            } else if (!file->aheadEnds) {
                // The character's second byte is in the next block: read it again from here.
                break;
            } else {
                ++kept;  // the file's last byte
            }
        }
        long long room = kMaxLineBytes - static_cast<long long>(line.size());
        line.append(block, static_cast<size_t>(std::min(kept, room)));
        file->position += kept;
        if (ended) {
            if (block[kept] == 0x0A)
                ++file->position;
            break;
        }
        if (kept == got && file->aheadEnds)
            break;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// Only a line that runs on past its block is copied, into `carried`.
void forEachLine(FileNumber number, const std::function<bool(std::string_view line)>& take) {
    OpenFile* file = findOpenFile(number);
    if (file == nullptr)
        return;
    // Blocks as large as the file where it is smaller: one read, and no
    // second one that only finds the end.
    long long size = nativeSize(file->handle);
    long long blockSize = size >= 0 && size < kReadAhead ? std::max(size, 1LL) : kReadAhead;
    auto block = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(blockSize));
    Text carried;
    bool carrying = false;
    long long blockAt = file->position;
    auto emit = [&](const char* from, const char* to) {
        std::string_view line(from, static_cast<size_t>(to - from));
        if (carrying) {
            auto room = static_cast<size_t>(kMaxLineBytes) - carried.size();
            carried.append(from, std::min(line.size(), room));
            line = carried;
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        bool more = take(line);
        carried.clear();
        carrying = false;
        return more;
    };
    for (;;) {
        long long got = nativeRead(file->handle, blockAt, block.get(), blockSize);
        if (got <= 0)
            break;
        const char* at = block.get();
        const char* end = at + got;
        while (at < end) {
            const char* stop = nextLineEnd(at, end);
            if (stop == end) {
                auto room = static_cast<size_t>(kMaxLineBytes) - carried.size();
                carried.append(at, std::min(static_cast<size_t>(end - at), room));
                carrying = true;
                break;
            }
            bool lineFeed = *stop == 0x0A;
            if ((lineFeed || carrying || stop > at) && !emit(at, stop)) {
                file->position = blockAt + (stop - block.get()) + (lineFeed ? 1 : 0);
                return;
            }
            at = stop + 1;
        }
        blockAt += got;
        if (got < blockSize || blockAt == size)
            break;
    }
    file->position = blockAt;
    if (carrying)
        emit(carried.data() + carried.size(), carried.data() + carried.size());
}

// The file is grown first by writing, at and past its old end, the bytes that
// belong there (the end of the text, the last bytes of the tail); only then is
// the rest of the tail moved and the text written over the old bytes. A full
// disk therefore fails while the old bytes are still untouched, and the file
// is cut back to its length. A later failure moves the tail back from its new
// place, which still holds every byte that was moved.
bool insertIntoFile(FileNumber number, const Text& text) {
    OpenFile* file = findOpenFile(number);
    if (file == nullptr)
        return false;
    forgetReadAhead(*file);
    const NativeHandle handle = file->handle;
    const long long length = static_cast<long long>(text.size());
    const long long start = file->position;
    if (length == 0)
        return true;
    const long long end = nativeSize(handle);
    if (end < 0)
        return false;

    // The tail [start, end) goes to [start + length, end + length); its part
    // from `split` on lands past the old end.
    const long long split = std::max(start, end - length);
    long long moved = 0;
    bool grown = true;
    if (start + length > end) {
        long long skip = std::max(0LL, end - start);
        grown = nativeWrite(handle, start + skip, text.data() + skip, length - skip);
    }
    grown = grown && moveBlocks(handle, split, split + length, end - split, moved);
    if (!grown) {
        nativeTruncate(handle, end);
        return false;
    }
    bool done = moveBlocks(handle, start, start + length, split - start, moved);
    if (done) {
        moved = split - start;
        long long overwritten = std::min(length, std::max(0LL, end - start));
        done = nativeWrite(handle, start, text.data(), overwritten);
    }
    if (!done) {
        long long firstMoved = split - moved;
        long long ignored = 0;
        moveBlocks(handle, firstMoved + length, firstMoved, end - firstMoved, ignored);
        nativeTruncate(handle, end);
        return false;
    }
    file->position = start + length;
    return true;
}

// The deleted bytes are kept in memory until the file has been cut, so that a
// failure part way can put the moved tail back and write them where they were.
bool deleteFromFile(FileNumber number, long long count) {
    OpenFile* file = findOpenFile(number);
    if (file == nullptr)
        return false;
    forgetReadAhead(*file);
    if (count <= 0)
        return true;
    const NativeHandle handle = file->handle;
    const long long start = file->position;
    const long long end = nativeSize(handle);
    if (end < 0)
        return false;
    // Nothing lies at or past the end; cutting the file there must not grow it.
    if (start >= end)
        return true;
    const long long removed = std::min(count, end - start);

    Bytes deleted(static_cast<size_t>(removed), '\0');
    if (nativeRead(handle, start, deleted.data(), removed) != removed)
        return false;
    long long moved = 0;
    const long long tail = end - start - removed;
    bool done = moveBlocks(handle, start + removed, start, tail, moved);
    if (done) {
        moved = tail;
        done = nativeTruncate(handle, end - removed);
    }
    if (!done) {
        long long ignored = 0;
        moveBlocks(handle, start, start + removed, moved, ignored);
        nativeWrite(handle, start, deleted.data(), removed);
        return false;
    }
    return true;
}

Bytes readWholeFile(const Text& path) {
    if (path.empty())
        return Bytes();
    NativeHandle handle = nativeOpen(path, kOpenRead, kShareDenyWrite);
    if (handle == kNoNativeFile)
        return Bytes();
    long long size = nativeSize(handle);
    Bytes bytes;
    // Buffers are measured in int (bytesLength); a larger file is not readable as one.
    if (size > 0 && size <= INT_MAX) {
        bytes.resize(static_cast<size_t>(size));
        if (nativeRead(handle, 0, bytes.data(), size) != size)
            bytes.clear();
    }
    nativeClose(handle);
    return bytes;
}

bool deleteFile(const Text& path) {
    clearSystemError();
    if (nativeDelete(path))
        return true;
    recordFailure("delete", path);
    return false;
}

bool renameFile(const Text& oldPath, const Text& newPath) {
    clearSystemError();
    if (nativeRename(oldPath, newPath))
        return true;
    recordFailure("rename", oldPath + " -> " + newPath);
    return false;
}

// Every way this can fail is recorded once, with the reason the system gave
// at that moment, before the clean-up can change it.
bool writeWholeFile(const Text& path, std::initializer_list<Bytes> buffers) {
    if (path.empty())
        return false;
    int attributes = getAttributes(path);
    if (attributes >= 0 && (attributes & kAttrReadOnly) != 0) {
        recordFailure("write", path, "the file is read-only");
        return false;
    }

    // The temporary file sits beside the target so that replacing is a rename
    // on one volume; a name that is taken is simply tried again.
    Text temporary;
    NativeHandle handle = kNoNativeFile;
    for (int attempt = 0; attempt < 8 && handle == kNoNativeFile; ++attempt) {
        temporary = temporaryNameFor(path);
        clearSystemError();
        handle = nativeOpen(temporary, kNativeCreateNew, kShareExclusive);
    }
    if (handle == kNoNativeFile) {
        recordFailure("write", path);
        return false;
    }
    clearSystemError();
    bool written = true;
    long long offset = 0;
    for (const Bytes& buffer : buffers) {
        long long size = static_cast<long long>(buffer.size());
        if (!nativeWrite(handle, offset, buffer.data(), size)) {
            written = false;
            break;
        }
        offset += size;
    }
    written = written && nativeFlush(handle);
    if (!written)
        recordFailure("write", path);
    nativeClose(handle);
    if (written) {
        clearSystemError();
        if (nativeReplace(temporary, path))
            return true;
        recordFailure("write", path);
    }
    deleteFile(temporary);
    return false;
}
