#include "platform/mp3_format.h"

namespace {

// Version bits: 0 MPEG-2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1.
constexpr int kRates[4][3] = {
    {11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};
constexpr int kMpeg1Bitrates[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                    112, 128, 160, 192, 224, 256, 320, 0};
constexpr int kMpeg2Bitrates[16] = {0,  8,  16, 24,  32,  40,  48,  56,
                                    64, 80, 96, 112, 128, 144, 160, 0};

int versionOf(const unsigned char* header) {
    return header[1] >> 3 & 3;
}

}  // namespace

size_t id3v2TagLength(const unsigned char* data, size_t size) {
    if (size < 10 || data[0] != 'I' || data[1] != 'D' || data[2] != '3')
        return 0;
    // Version 2 to 4, and a size of four 7-bit bytes.
    if (data[3] < 2 || data[3] > 4 || data[4] == 0xFF)
        return 0;
    size_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (data[i] & 0x80)
            return 0;
        body = body << 7 | data[i];
    }
    const bool footer = data[3] == 4 && (data[5] & 0x10) != 0;
    return 10 + body + (footer ? 10 : 0);
}

std::optional<Mp3Format> mp3FrameHeader(const unsigned char* data, size_t size) {
    if (size < 4 || data[0] != 0xFF || (data[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int version = versionOf(data);
    const int layer = data[1] >> 1 & 3;
    const int bitrateIndex = data[2] >> 4;
    const int rateIndex = data[2] >> 2 & 3;
    const int emphasis = data[3] & 3;
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3 ||
        emphasis == 2) {
        return std::nullopt;
    }
    Mp3Format format;
    format.sampleRate = kRates[version][rateIndex];
    format.channels = (data[3] >> 6) == 3 ? 1 : 2;
    const bool mpeg1 = version == 3;
    format.bitrate = (mpeg1 ? kMpeg1Bitrates : kMpeg2Bitrates)[bitrateIndex];
    format.samplesPerFrame = mpeg1 ? 1152 : 576;
    const int padding = data[2] >> 1 & 1;
    format.frameLength = (mpeg1 ? 144000 : 72000) * format.bitrate / format.sampleRate + padding;
    return format;
}

std::optional<Mp3Start> findMp3Start(const unsigned char* data, size_t size) {
    for (size_t at = 0; at + 4 <= size; ++at) {
        const std::optional<Mp3Format> format = mp3FrameHeader(data + at, size - at);
        if (!format)
            continue;
        const size_t next = at + static_cast<size_t>(format->frameLength);
        if (next + 4 <= size) {
            const std::optional<Mp3Format> following = mp3FrameHeader(data + next, size - next);
            if (!following || versionOf(data + next) != versionOf(data + at) ||
                following->sampleRate != format->sampleRate) {
                continue;
            }
        }
        return Mp3Start{at, *format};
    }
    return std::nullopt;
}
