// libFuzzer target for the skin reader: any bytes are refused or read, never a crash.
// The project's GBK execution charset keeps clang off the CMake build, so build it by hand:
//   clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. \
//       tests/fuzz/skin_data_fuzz.cpp skin/skin_data.cpp -o /tmp/skin_data_fuzz
//   mkdir -p /tmp/skins && cp assets/skins/*.she /tmp/skins && /tmp/skin_data_fuzz /tmp/skins
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
