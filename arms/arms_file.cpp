#include "arms/arms_file.h"

#include "platform/files.h"
#include "platform/ini.h"

namespace {

constexpr const char* kSection = "tattoo";

Text armsFile() {
    return runDirectory() + "\\metahook.txt";
}

// A model is a file name inside the preview folder. A value that names a
// path (a separator, or a drive or stream colon) would have the launcher read
// files outside that folder, so it has no preview.
bool isPlainName(const Text& model) {
    return findText(model, "\\") < 0 && findText(model, "/") < 0 && findText(model, ":") < 0;
}

}  // namespace

Text readArmsItem(const Text& key) {
    return readIniItem(armsFile(), kSection, key);
}

bool writeArmsItem(const Text& key, const Text& value) {
    return writeIniItem(armsFile(), kSection, key, value);
}

Bytes armPreview(const Text& model) {
    if (model.empty() || !isPlainName(model))
        return Bytes();
    return readWholeFile(runDirectory() + "\\LauncherRes\\tattoo\\" + model + ".jpg");
}
