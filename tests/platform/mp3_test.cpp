// Finding the audio in an MP3 file, and (under Wine) decoding it through the
// system's codec.
#include <string>

#include <gtest/gtest.h>

#include "platform/mp3_format.h"
#include "support/mp3_maker.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include "platform/win32/mp3_decoder.h"
#include "platform/win32/wide.h"
#endif

namespace {

const unsigned char* bytesOf(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// An ID3v2 tag of `body` bytes.
std::string id3Tag(int version, unsigned char flags, size_t body) {
    std::string tag = "ID3";
    tag += static_cast<char>(version);
    tag += '\0';
    tag += static_cast<char>(flags);
    for (int shift = 21; shift >= 0; shift -= 7)
        tag += static_cast<char>(body >> shift & 0x7F);
    return tag + std::string(body, 'T');
}

}  // namespace

TEST(Mp3Format, FramesOfEveryVersionChainToTheEndOfTheFile) {
    struct Case {
        unsigned char b1, b2;
        int rate, bitrate, samples;
        size_t length;  // of a frame, from the standard's tables
    };
    const Case cases[] = {
        {0xFB, 0x90, 44100, 128, 1152, 417},  // MPEG-1, 128 kbit/s
        {0xFB, 0x92, 44100, 128, 1152, 418},  // the same with its padding byte
        {0xFB, 0x18, 32000, 32, 1152, 144},   // MPEG-1 at 32 kHz
        {0xF3, 0x80, 22050, 64, 576, 208},    // MPEG-2
        {0xE3, 0x18, 8000, 8, 576, 72},       // MPEG-2.5
    };
    for (const Case& c : cases) {
        const std::string frame = silentFrame(c.b1, c.b2, c.length);
        const std::optional<Mp3Format> format = mp3FrameHeader(bytesOf(frame), frame.size());
        ASSERT_TRUE(format.has_value()) << c.length;
        EXPECT_EQ(format->sampleRate, c.rate);
        EXPECT_EQ(format->bitrate, c.bitrate);
        EXPECT_EQ(format->channels, 1);
        EXPECT_EQ(format->samplesPerFrame, c.samples);
        EXPECT_EQ(static_cast<size_t>(format->frameLength), c.length);
    }
    // Layer I and II, the reserved version, free and invalid bitrates, the
    // reserved rate and emphasis are no layer III frames.
    for (unsigned char b1 : {0xFF, 0xFD, 0xEB})
        EXPECT_FALSE(mp3FrameHeader(bytesOf(silentFrame(b1, 0x90, 8)), 8)) << int(b1);
    for (unsigned char b2 : {0x00, 0xF0, 0x9C})
        EXPECT_FALSE(mp3FrameHeader(bytesOf(silentFrame(0xFB, b2, 8)), 8)) << int(b2);
    std::string emphasis = silentFrame(0xFB, 0x90, 8);
    emphasis[3] = '\xC6';
    EXPECT_FALSE(mp3FrameHeader(bytesOf(emphasis), 4));
    EXPECT_FALSE(mp3FrameHeader(bytesOf(emphasis), 3));
}

TEST(Mp3Format, TheAudioIsFoundAfterTagsAndJunk) {
    const std::string frames = repeated(silentFrame(0xFB, 0x90, 417), 3);
    // A sync pattern in junk whose "frame" is not followed by another header.
    const std::string junk = std::string("junk") + silentFrame(0xFB, 0x90, 417).substr(0, 4) + "xy";
    std::optional<Mp3Start> start =
        findMp3Start(bytesOf(junk + frames), junk.size() + frames.size());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->offset, junk.size());
    EXPECT_EQ(start->format.frameLength, 417);
    // A frame that another version follows is no stream either; the last
    // frame of the data is taken as it is.
    const std::string mixed = silentFrame(0xFB, 0x90, 417) + silentFrame(0xF3, 0x80, 208);
    start = findMp3Start(bytesOf(mixed), mixed.size());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->offset, 417u);
    EXPECT_TRUE(findMp3Start(bytesOf(frames), 417 + 4).has_value());
    EXPECT_FALSE(findMp3Start(bytesOf(std::string(4096, '\xFF')), 4096));
    EXPECT_FALSE(findMp3Start(nullptr, 0));

    const std::string v3 = id3Tag(3, 0, 300);
    EXPECT_EQ(id3v2TagLength(bytesOf(v3), v3.size()), 310u);
    const std::string v4 = id3Tag(4, 0x10, 5000);  // with its footer
    EXPECT_EQ(id3v2TagLength(bytesOf(v4), v4.size()), 5020u);
    std::string unsafe = id3Tag(3, 0, 10);
    unsafe[7] = '\x80';  // sizes are seven bits a byte
    EXPECT_EQ(id3v2TagLength(bytesOf(unsafe), unsafe.size()), 0u);
    EXPECT_EQ(id3v2TagLength(bytesOf(v3), 9), 0u);
    EXPECT_EQ(id3v2TagLength(bytesOf(frames), frames.size()), 0u);
}

#ifdef _WIN32

TEST(Mp3Decoder, DecodesEveryFrameAfterTheTagsAndRefusesOtherFiles) {
    TempFolder folder;
    const int frames = 200;  // 5.2 s at 44.1 kHz
    folder.write("tune.mp3", id3Tag(3, 0, 2000) + repeated(silentFrame(0xFB, 0x90, 417), frames));
    folder.write("not.mp3", std::string(8192, 'Z'));
    Mp3Decoder decoder;
    ASSERT_TRUE(decoder.open(toWidePath(folder.path() + "\\tune.mp3")));
    EXPECT_EQ(decoder.pcmFormat().nSamplesPerSec, 44100u);
    EXPECT_EQ(decoder.pcmFormat().nChannels, 1);
    std::string pcm(decoder.stepOutput() * 3, '\0');
    size_t total = 0;
    for (int piece = 0; piece < 10000; ++piece) {
        const size_t got = decoder.decode(pcm.data(), pcm.size());
        if (got == 0)
            break;
        total += got;
    }
    // 1152 samples of two bytes a frame, less the codec's delay of at most
    // two frames.
    EXPECT_LE(total, frames * 1152u * 2);
    EXPECT_GE(total, (frames - 2) * 1152u * 2);
    EXPECT_EQ(decoder.decode(pcm.data(), pcm.size()), 0u);

    EXPECT_FALSE(decoder.open(toWidePath(folder.path() + "\\not.mp3")));
    EXPECT_FALSE(decoder.open(toWidePath(folder.path() + "\\missing.mp3")));
}

#endif  // _WIN32
