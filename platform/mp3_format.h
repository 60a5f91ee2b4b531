// The start of the audio in an MP3 file: the ID3v2 tags before it and the
// first MPEG layer III frame with the stream's format, which is what the
// system's MP3 codec must be told before it decodes anything.
#pragma once

#include <cstddef>
#include <optional>

struct Mp3Format {
    int sampleRate = 0;       // Hz
    int channels = 0;         // 1 or 2
    int bitrate = 0;          // kbit/s of the first frame
    int frameLength = 0;      // bytes of the first frame, its padding byte included
    int samplesPerFrame = 0;  // per channel: 1152 (MPEG-1) or 576
};

// The length of the ID3v2 tag that starts at `data` (header, body and
// footer), or 0 when the bytes are not a tag's header (10 bytes are needed).
// Tags may follow one another.
size_t id3v2TagLength(const unsigned char* data, size_t size);

// The frame header at `data` (4 bytes needed), when it is a layer III one
// with a valid bitrate and sample rate.
std::optional<Mp3Format> mp3FrameHeader(const unsigned char* data, size_t size);

struct Mp3Start {
    size_t offset = 0;  // of the first frame within the data
    Mp3Format format;
};
// The first frame header in `data` that another header of the same version
// and sample rate follows right after its frame (or whose frame reaches past
// the data, where nothing can be checked). A lone sync pattern in junk or in
// a picture before the audio is passed over this way.
std::optional<Mp3Start> findMp3Start(const unsigned char* data, size_t size);
