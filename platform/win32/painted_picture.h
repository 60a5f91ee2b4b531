// A picture as a picture box or picture button paints it: decoded when its
// bytes change, and scaled and made opaque once per place it is shown in.
// Once painted, only the painted form is kept (the banner's decoded pixels
// alone are 1.2 MiB): a new size or background decodes the bytes again.
#pragma once

#include <windows.h>

#include "platform/picture.h"
#include "platform/win32/dpi.h"

class PaintedPicture {
  public:
    // Takes new picture bytes; decodes them only when they differ from the
    // last ones. Bytes that do not decode show nothing. True if they changed.
    bool setBytes(const Bytes& bytes);
    // Takes a picture made in memory (a derived disabled look).
    void setImage(Image image);
    const Image& image();
    bool empty() const { return decoded_.empty(); }

    // Paints the picture inside `box` as display mode `mode` places it at
    // `dpi`, blended over `background`. The picture's natural size is its
    // pixels at 96 DPI, so every mode means the same at any scale: natural size
    // and the centred mode's "never scaled up" are the picture scaled by the
    // DPI, as the box is.
    void paint(HDC dc, const RECT& box, int mode, COLORREF background, int dpi);

  private:
    // The decoded pixels, again from the bytes if they were let go.
    void restorePixels();

    Bytes bytes_;
    Image decoded_;
    // The last painted form and what it was made for.
    Image painted_;
    Rect paintedRect_;
    COLORREF paintedBackground_ = 0;
    bool paintedValid_ = false;
};
