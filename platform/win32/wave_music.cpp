#include "platform/win32/wave_music.h"

WaveMusic::~WaveMusic() {
    if (!device_)
        return;
    waveOutReset(device_);
    for (Buffer& buffer : buffers_) {
        if (buffer.prepared)
            waveOutUnprepareHeader(device_, &buffer.header, sizeof buffer.header);
    }
    waveOutClose(device_);
}

WaveMusic::Start WaveMusic::start(const std::wstring& path, HWND window) {
    // Without a sound device nothing can be heard: no codec is loaded.
    if (waveOutGetNumDevs() == 0)
        return Start::kNoSound;
    if (!decoder_.open(path))
        return Start::kNotDecodable;
    const WAVEFORMATEX& format = decoder_.pcmFormat();
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(window), 0,
                    CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return Start::kNoSound;
    }
    const size_t capacity = format.nAvgBytesPerSec / 2 + decoder_.stepOutput();
    for (Buffer& buffer : buffers_) {
        buffer.bytes.assign(capacity, 0);
        buffer.header.lpData = buffer.bytes.data();
        buffer.header.dwBufferLength = static_cast<DWORD>(capacity);
        if (waveOutPrepareHeader(device_, &buffer.header, sizeof buffer.header) != 0)
            return Start::kNoSound;
        buffer.prepared = true;
    }
    for (Buffer& buffer : buffers_)
        queue(buffer);
    return queued() > 0 ? Start::kPlaying : Start::kNotDecodable;
}

bool WaveMusic::bufferDone(HWAVEOUT device, const WAVEHDR* header) {
    for (Buffer& buffer : buffers_) {
        if (device == device_ && header == &buffer.header && buffer.queued &&
            (buffer.header.dwFlags & WHDR_DONE) != 0) {
            buffer.queued = false;
            queue(buffer);
        }
    }
    return queued() > 0;
}

void WaveMusic::queue(Buffer& buffer) {
    const size_t filled = decoder_.decode(buffer.bytes.data(), buffer.bytes.size());
    if (filled == 0 || !buffer.prepared)
        return;
    buffer.header.dwBufferLength = static_cast<DWORD>(filled);
    buffer.queued = waveOutWrite(device_, &buffer.header, sizeof buffer.header) == MMSYSERR_NOERROR;
}

int WaveMusic::queued() const {
    int count = 0;
    for (const Buffer& buffer : buffers_)
        count += buffer.queued ? 1 : 0;
    return count;
}
