// An MP3 file decoded to 16-bit PCM by the system's MP3 codec (ACM: the
// Fraunhofer codec on Windows, winemp3 under Wine), a piece at a time from
// the file. msacm32 is loaded at the first file, never at start-up.
// https://learn.microsoft.com/windows/win32/multimedia/audio-compression-manager
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <string>
#include <vector>

class Mp3Decoder {
  public:
    Mp3Decoder() = default;
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;
    ~Mp3Decoder();

    // False when the file cannot be read, holds no MP3 audio, or the system
    // has no codec for its format.
    bool open(const std::wstring& path);
    const WAVEFORMATEX& pcmFormat() const { return pcm_; }
    // The most one decoding step gives; `decode` needs room for it.
    size_t stepOutput() const { return output_.size(); }
    // Decodes into `out` while another step fits into `capacity` and the
    // file goes on. Returns the bytes written: 0 once the file has ended.
    size_t decode(char* out, size_t capacity);

  private:
    bool step(char* out, size_t& written);
    void close();

    HANDLE file_ = INVALID_HANDLE_VALUE;
    HACMSTREAM stream_ = nullptr;
    ACMSTREAMHEADER header_{};
    bool prepared_ = false;
    bool ended_ = false;
    bool lastRead_ = false;
    WAVEFORMATEX pcm_{};
    std::vector<BYTE> input_;
    std::vector<BYTE> output_;
    DWORD pending_ = 0;  // input bytes the codec has not taken yet
};
