// The skin library of the offscreen backend: always at hand (the Win32 one
// falls back on a private copy of its own when the folder's cannot be used)
// unless the test breaks it, and recording its calls.
#include "platform/fatal.h"
#include "platform/offscreen/system.h"
#include "platform/skin.h"

namespace {

void requireExport(const char* name) {
    if (OffscreenSystem::current().skinLibraryBroken)
        fatalError(0, missingExportMessage(kSkinLibraryName, name));
}

}  // namespace

int skinAttachRes(const Bytes& skin, const Text& password, int hue, int saturation,
                  int brightness) {
    requireExport("SkinH_AttachRes");
    SkinCall call;
    call.exportName = "SkinH_AttachRes";
    call.skin = skin;
    call.password = password;
    call.hue = hue;
    call.saturation = saturation;
    call.brightness = brightness;
    OffscreenSystem::current().skinCalls.push_back(call);
    return 1;
}

int skinSetAero(int enable) {
    requireExport("SkinH_SetAero");
    SkinCall call;
    call.exportName = "SkinH_SetAero";
    call.aero = enable;
    OffscreenSystem::current().skinCalls.push_back(call);
    return 1;
}
