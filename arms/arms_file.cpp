#include "arms/arms_file.h"

#include "core/write_refused.h"
#include "platform/files.h"
#include "platform/ini.h"

namespace {

constexpr const char* kSection = "tattoo";
constexpr const char* kArmsFileName = "metahook.txt";

Text armsFile() {
    return runDirectory() + "\\" + kArmsFileName;
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
    if (writeIniItem(armsFile(), kSection, key, value))
        return true;
    tellFileNotWritten(kArmsFileName);
    return false;
}

Bytes armPreview(const Text& model) {
    if (model.empty() || !isPlainName(model))
        return Bytes();
    return readWholeFile(runDirectory() + "\\LauncherRes\\tattoo\\" + model + ".jpg");
}
