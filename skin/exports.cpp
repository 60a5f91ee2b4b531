// The two entry points of SkinH_EL.dll, with the names and calling convention the launcher
// looks up. Nothing may escape them: bad input gives 0.
#include <windows.h>

#include "skin/skin_data.h"
#include "skin/skin_engine.h"

extern "C" int __stdcall SkinH_AttachRes(const unsigned char* data, int size, const char* password,
                                         int hue, int saturation, int brightness) {
    // Our skins are not encrypted; the password is part of the call only for compatibility.
    (void)password;
    if (data == nullptr || size <= 0) {
        return 0;
    }
    SkinTheme theme;
    if (!parseSkin(data, static_cast<size_t>(size), &theme)) {
        return 0;
    }
    tintSkin(&theme, hue, saturation, brightness);
    return attachSkin(theme) ? 1 : 0;
}

extern "C" int __stdcall SkinH_SetAero(int enable) {
    return setSkinAero(enable != 0) ? 1 : 0;
}
