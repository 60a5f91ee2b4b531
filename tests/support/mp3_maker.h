// MPEG audio frames made on the spot, for tests that need a playable MP3
// without checking one in.
#pragma once

#include <cstddef>
#include <string>

// A frame whose side information asks for no coefficients (every decoder
// plays it as silence): `b1` holds the version and layer bits, `b2` the
// bitrate, rate and padding bits; mono.
inline std::string silentFrame(unsigned char b1, unsigned char b2, std::size_t length) {
    std::string frame(length, '\0');
    frame[0] = '\xFF';
    frame[1] = static_cast<char>(b1);
    frame[2] = static_cast<char>(b2);
    frame[3] = '\xC4';
    return frame;
}

inline std::string repeated(const std::string& frame, int count) {
    std::string bytes;
    for (int n = 0; n < count; ++n)
        bytes += frame;
    return bytes;
}

// `seconds` of MPEG-1 frames at 44.1 kHz, 128 kbit/s, that decode to silence.
inline std::string silentMp3(double seconds) {
    return repeated(silentFrame(0xFB, 0x90, 417), static_cast<int>(seconds * 44100 / 1152 + 0.999));
}
