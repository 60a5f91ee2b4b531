// A picture as a picture box or picture button paints it: decoded once when
// its bytes change, and scaled and made opaque once per place it is shown in.
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
    const Image& image() const { return decoded_; }
    bool empty() const { return decoded_.empty(); }

    // Paints the picture inside `box` as display mode `mode` places it at
    // `dpi`, blended over `background`. The picture's natural size is its
    // pixels at 96 DPI, so every mode means the same at any scale: natural size
    // and the centred mode's "never scaled up" are the picture scaled by the
    // DPI, as the box is.
    void paint(HDC dc, const RECT& box, int mode, COLORREF background, int dpi);

  private:
    Bytes bytes_;
    Image decoded_;
    // The last painted form and what it was made for.
    Image painted_;
    Rect paintedRect_;
    COLORREF paintedBackground_ = 0;
    bool paintedValid_ = false;
};
