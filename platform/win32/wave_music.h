// One MP3 file decoded and played through waveOut, a few buffers of half a
// second ahead of the sound. waveOut hands each played buffer back with
// MM_WOM_DONE to the window given at the start; the window's owner passes
// those on to bufferDone. Used from one thread, the window's.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "platform/win32/mp3_decoder.h"

class WaveMusic {
  public:
    enum class Start { kPlaying, kNotDecodable, kNoSound };

    WaveMusic() = default;
    WaveMusic(const WaveMusic&) = delete;
    WaveMusic& operator=(const WaveMusic&) = delete;
    // Stops the sound at once.
    ~WaveMusic();

    // kNotDecodable: the codec cannot take the file (another player may);
    // kNoSound: there is no sound device to play it on.
    Start start(const std::wstring& path, HWND window);
    // A buffer came back from `device`. False once the file has played to
    // its end. Buffers of a device closed before, handed back late, are not
    // this one's and change nothing.
    bool bufferDone(HWAVEOUT device, const WAVEHDR* header);

  private:
    struct Buffer {
        std::vector<char> bytes;
        WAVEHDR header{};
        bool prepared = false;
        bool queued = false;
    };

    void queue(Buffer& buffer);
    int queued() const;

    Mp3Decoder decoder_;
    HWAVEOUT device_ = nullptr;
    Buffer buffers_[4];
};
