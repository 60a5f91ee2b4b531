// The male and female arm choosers: three previews each; pressing one
// chooses that model for the chooser's sex and returns to the manager.
#include "arms/arms_file.h"
#include "arms/arms_manager.h"
#include "core/window_ids.h"
#include "platform/window.h"

namespace {

// The pictures of models 1, 2 and 3, left to right.
constexpr ControlId kModelPictures[] = {ArmChooser::图片框1, ArmChooser::图片框2,
                                        ArmChooser::图片框3};

Text modelName(const Text& sex, int model) {
    return sex + "_" + toText(model);
}

void showModels(WindowId chooser, const Text& sex) {
    for (int model = 1; model <= 3; ++model) {
        setProperty(chooser, kModelPictures[model - 1], kPicture,
                    armPreview(modelName(sex, model)));
    }
}

}  // namespace

void onMaleArmChooserCreated() {
    showModels(ArmChooser::kMaleId, "male");
}

void onFemaleArmChooserCreated() {
    showModels(ArmChooser::kFemaleId, "female");
}

void onArmPicturePressed() {
    ControlRef source = eventSourceControl();
    Text sex = source.window == ArmChooser::kMaleId ? "male" : "female";
    for (int model = 1; model <= 3; ++model) {
        if (source.control != kModelPictures[model - 1])
            continue;
        // A refused write leaves the file as it was (the player is told);
        // the manager then shows the model the file still names.
        writeArmsItem(sex, modelName(sex, model));
        refreshArmsManager();
        closeWindow(source);
        return;
    }
}
