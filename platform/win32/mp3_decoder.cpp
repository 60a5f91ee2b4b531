#include "platform/win32/mp3_decoder.h"

#include <cstring>
#include <optional>

#include "platform/mp3_format.h"

namespace {

// A quarter of a second at 128 kbit/s.
constexpr DWORD kInputChunk = 4 * 1024;
// Where the first frame is looked for, after the tags.
constexpr DWORD kSearchLength = 64 * 1024;
// Tags before the audio that are passed over (a file may repeat its tag).
constexpr int kMostTags = 8;

// The codec's functions, from msacm32 loaded on first use.
struct Acm {
    decltype(&acmStreamOpen) streamOpen = nullptr;
    decltype(&acmStreamClose) streamClose = nullptr;
    decltype(&acmStreamSize) streamSize = nullptr;
    decltype(&acmStreamPrepareHeader) prepareHeader = nullptr;
    decltype(&acmStreamUnprepareHeader) unprepareHeader = nullptr;
    decltype(&acmStreamConvert) convert = nullptr;
};

template <typename Function>
bool resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

const Acm* acm() {
    static const std::optional<Acm> table = []() -> std::optional<Acm> {
        HMODULE module = LoadLibraryW(L"msacm32.dll");
        Acm functions;
        if (module && resolve(module, "acmStreamOpen", functions.streamOpen) &&
            resolve(module, "acmStreamClose", functions.streamClose) &&
            resolve(module, "acmStreamSize", functions.streamSize) &&
            resolve(module, "acmStreamPrepareHeader", functions.prepareHeader) &&
            resolve(module, "acmStreamUnprepareHeader", functions.unprepareHeader) &&
            resolve(module, "acmStreamConvert", functions.convert)) {
            return functions;
        }
        return std::nullopt;
    }();
    return table ? &*table : nullptr;
}

bool readAt(HANDLE file, unsigned long long offset, void* buffer, DWORD count, DWORD& got) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    got = 0;
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) &&
           ReadFile(file, buffer, count, &got, nullptr);
}

}  // namespace

Mp3Decoder::~Mp3Decoder() {
    close();
}

void Mp3Decoder::close() {
    if (const Acm* codec = acm()) {
        if (prepared_)
            codec->unprepareHeader(stream_, &header_, 0);
        if (stream_)
            codec->streamClose(stream_, 0);
    }
    prepared_ = false;
    stream_ = nullptr;
    if (file_ != INVALID_HANDLE_VALUE)
        CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

bool Mp3Decoder::open(const std::wstring& path) {
    close();
    const Acm* codec = acm();
    if (!codec)
        return false;
    // Shared for everything: the player may replace or delete his music
    // while it plays.
    file_ = CreateFileW(path.c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file_ == INVALID_HANDLE_VALUE)
        return false;

    unsigned long long audio = 0;
    unsigned char tag[10];
    DWORD got = 0;
    for (int n = 0; n < kMostTags && readAt(file_, audio, tag, sizeof tag, got); ++n) {
        const size_t length = id3v2TagLength(tag, got);
        if (length == 0)
            break;
        audio += length;
    }
    std::vector<unsigned char> start(kSearchLength);
    if (!readAt(file_, audio, start.data(), kSearchLength, got))
        return false;
    const std::optional<Mp3Start> first = findMp3Start(start.data(), got);
    if (!first)
        return false;
    audio += first->offset;
    const Mp3Format& format = first->format;

    MPEGLAYER3WAVEFORMAT mp3{};
    mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    mp3.wfx.nChannels = static_cast<WORD>(format.channels);
    mp3.wfx.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    mp3.wfx.nAvgBytesPerSec = static_cast<DWORD>(format.bitrate) * 1000 / 8;
    mp3.wfx.nBlockAlign = 1;
    mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    mp3.wID = MPEGLAYER3_ID_MPEG;
    mp3.fdwFlags = MPEGLAYER3_FLAG_PADDING_OFF;
    mp3.nBlockSize = static_cast<WORD>(format.frameLength);
    mp3.nFramesPerBlock = 1;
    mp3.nCodecDelay = 1393;
    pcm_ = WAVEFORMATEX{};
    pcm_.wFormatTag = WAVE_FORMAT_PCM;
    pcm_.nChannels = static_cast<WORD>(format.channels);
    pcm_.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    pcm_.wBitsPerSample = 16;
    pcm_.nBlockAlign = static_cast<WORD>(format.channels * 2);
    pcm_.nAvgBytesPerSec = pcm_.nSamplesPerSec * pcm_.nBlockAlign;
    if (codec->streamOpen(&stream_, nullptr, &mp3.wfx, &pcm_, nullptr, 0, 0,
                          ACM_STREAMOPENF_NONREALTIME) != 0) {
        stream_ = nullptr;
        return false;
    }
    DWORD outputSize = 0;
    if (codec->streamSize(stream_, kInputChunk, &outputSize, ACM_STREAMSIZEF_SOURCE) != 0 ||
        outputSize == 0) {
        return false;
    }
    input_.assign(kInputChunk, 0);
    output_.assign(outputSize, 0);
    header_ = ACMSTREAMHEADER{};
    header_.cbStruct = sizeof header_;
    header_.pbSrc = input_.data();
    header_.cbSrcLength = kInputChunk;
    header_.pbDst = output_.data();
    header_.cbDstLength = outputSize;
    if (codec->prepareHeader(stream_, &header_, 0) != 0)
        return false;
    prepared_ = true;
    ended_ = false;
    lastRead_ = false;
    pending_ = 0;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(audio);
    return SetFilePointerEx(file_, position, nullptr, FILE_BEGIN) != 0;
}

// One conversion: the input topped up from the file, what the codec gives
// appended at `out + written`.
bool Mp3Decoder::step(char* out, size_t& written) {
    const Acm* codec = acm();
    if (!codec || !prepared_ || ended_)
        return false;
    if (!lastRead_) {
        DWORD got = 0;
        const DWORD room = kInputChunk - pending_;
        if (!ReadFile(file_, input_.data() + pending_, room, &got, nullptr))
            got = 0;
        lastRead_ = got < room;
        pending_ += got;
    }
    header_.cbSrcLength = pending_;
    header_.cbDstLength = static_cast<DWORD>(output_.size());
    const DWORD flags = lastRead_ ? ACM_STREAMCONVERTF_END : ACM_STREAMCONVERTF_BLOCKALIGN;
    if (codec->convert(stream_, &header_, flags) != 0) {
        ended_ = true;
        return false;
    }
    const DWORD used = header_.cbSrcLengthUsed <= pending_ ? header_.cbSrcLengthUsed : pending_;
    const DWORD produced = header_.cbDstLengthUsed <= output_.size()
                               ? header_.cbDstLengthUsed
                               : static_cast<DWORD>(output_.size());
    std::memcpy(out + written, output_.data(), produced);
    written += produced;
    pending_ -= used;
    std::memmove(input_.data(), input_.data() + used, pending_);
    // The end of the file, or a codec that takes nothing from a full input
    // and gives nothing: nothing more will come.
    if ((lastRead_ && produced == 0) || (used == 0 && produced == 0 && pending_ == kInputChunk))
        ended_ = true;
    return produced > 0 || !ended_;
}

size_t Mp3Decoder::decode(char* out, size_t capacity) {
    size_t written = 0;
    while (!ended_ && capacity - written >= output_.size()) {
        if (!step(out, written))
            break;
    }
    return written;
}
