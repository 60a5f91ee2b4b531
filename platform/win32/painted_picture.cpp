// Device-independent bitmaps drawn with StretchDIBits
// https://learn.microsoft.com/windows/win32/api/wingdi/nf-wingdi-stretchdibits
#include "platform/win32/painted_picture.h"

#include <utility>

bool PaintedPicture::setBytes(const Bytes& bytes) {
    if (bytes == bytes_)
        return false;
    bytes_ = bytes;
    Image decoded;
    if (!bytes_.empty())
        decodePicture(bytes_, decoded);
    setImage(std::move(decoded));
    return true;
}

void PaintedPicture::setImage(Image image) {
    decoded_ = std::move(image);
    paintedValid_ = false;
}

const Image& PaintedPicture::image() {
    restorePixels();
    return decoded_;
}

void PaintedPicture::restorePixels() {
    if (!decoded_.empty() && decoded_.pixels.empty() && !bytes_.empty())
        decodePicture(bytes_, decoded_);
}

void PaintedPicture::paint(HDC dc, const RECT& box, int mode, COLORREF background, int dpi) {
    if (decoded_.empty())
        return;
    Rect where =
        pictureDisplayRect(mode, scaleToDpi(decoded_.width, dpi), scaleToDpi(decoded_.height, dpi),
                           box.right - box.left, box.bottom - box.top);
    if (where.width <= 0 || where.height <= 0)
        return;
    if (!paintedValid_ || where.width != paintedRect_.width ||
        where.height != paintedRect_.height || background != paintedBackground_) {
        restorePixels();
        uint32_t rgb = (uint32_t{GetRValue(background)} << 16) |
                       (uint32_t{GetGValue(background)} << 8) | GetBValue(background);
        bool natural = where.width == decoded_.width && where.height == decoded_.height;
        painted_ = compositeOnto(
            natural ? decoded_ : scaleImage(decoded_, where.width, where.height), rgb);
        paintedBackground_ = background;
        paintedValid_ = !painted_.empty();
        if (!paintedValid_)
            return;
        // A picture made in memory has no bytes to come back from.
        if (!bytes_.empty())
            std::vector<uint32_t>().swap(decoded_.pixels);
    }
    paintedRect_ = where;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = painted_.width;
    info.bmiHeader.biHeight = -painted_.height;  // rows top-down, as Image holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, box.left + where.left, box.top + where.top, painted_.width, painted_.height,
                  0, 0, painted_.width, painted_.height, painted_.pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}
