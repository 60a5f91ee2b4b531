// The skin reader on any bytes: refused or read, never a crash, and a theme it
// reads takes any tint.
#include <cstddef>
#include <cstdint>

#include "skin/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SkinTheme theme;
    if (parseSkin(data, size, &theme)) {
        tintSkin(&theme, static_cast<int>(size) - 180, theme.flags % 201 - 100, 50);
    }
    return 0;
}
