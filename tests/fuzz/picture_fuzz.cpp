// decodePicture on anything: it must refuse or return a consistent picture,
// and the view's paths (placement, scaling, the disabled look) must take
// whatever it returns.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "platform/picture.h"

#include "fuzz_support.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Image image;
    if (!decodePicture(Bytes(reinterpret_cast<const char*>(data), size), image)) {
        check(image.empty() && image.pixels.empty());
        return 0;
    }
    check(image.width > 0 && image.height > 0 && image.width <= kMaxPictureSide &&
          image.height <= kMaxPictureSide);
    check(image.pixels.size() == static_cast<size_t>(image.width) * image.height);

    // A quick-buy slot, and small odd boxes that make the scaler both shrink
    // and grow (big boxes would only make the fuzzer slow).
    for (int mode : {kPictureNatural, kPictureStretch, kPictureCentred}) {
        for (auto [boxWidth, boxHeight] : {std::pair{184, 40}, {23, 9}, {5, 61}}) {
            const Rect r = pictureDisplayRect(mode, image.width, image.height, boxWidth, boxHeight);
            if (mode == kPictureCentred) {
                check(r.left >= 0 && r.top >= 0 && r.width >= 1 && r.height >= 1 &&
                      r.left + r.width <= boxWidth && r.top + r.height <= boxHeight);
            }
            if (mode == kPictureNatural || image.pixels.size() > 1u << 14 ||
                static_cast<int64_t>(r.width) * r.height > 4096) {
                continue;
            }
            const Image scaled = scaleImage(image, r.width, r.height);
            check(scaled.width == r.width && scaled.height == r.height);
            check(scaled.pixels.size() == static_cast<size_t>(r.width) * r.height);
        }
    }
    if (image.pixels.size() <= 1u << 14) {
        const Image grey = disabledPicture(image);
        const Image flat = compositeOnto(grey, 0xECE9D8);
        check(flat.pixels.size() == image.pixels.size());
        for (uint32_t p : flat.pixels)
            check((p >> 24) == 0xFF);
    }
    return 0;
}
