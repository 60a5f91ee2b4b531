// The search for the audio of an MP3 file on any bytes: what it finds is a
// layer III frame header whose frame has a length a decoder can step by, and
// the next frame, where the data goes on, has the same sample rate.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/mp3_format.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t tag = id3v2TagLength(data, size);
    check(tag == 0 || tag >= 10);
    const std::optional<Mp3Start> start = findMp3Start(data, size);
    if (!start)
        return 0;
    check(start->offset + 4 <= size);
    const std::optional<Mp3Format> header =
        mp3FrameHeader(data + start->offset, size - start->offset);
    check(header.has_value());
    const Mp3Format& format = start->format;
    check(header->frameLength == format.frameLength && header->sampleRate == format.sampleRate);
    // 8 kbit/s at 24 kHz to 320 kbit/s at 32 kHz (or 160 kbit/s at 8 kHz).
    check(format.frameLength >= 24 && format.frameLength <= 1441);
    check(format.channels == 1 || format.channels == 2);
    check(format.bitrate > 0 && format.sampleRate >= 8000 && format.sampleRate <= 48000);
    const size_t next = start->offset + static_cast<size_t>(format.frameLength);
    if (next + 4 <= size) {
        const std::optional<Mp3Format> following = mp3FrameHeader(data + next, size - next);
        check(following.has_value() && following->sampleRate == format.sampleRate);
    }
    return 0;
}
