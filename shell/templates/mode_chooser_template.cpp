#include "assets/asset_names.h"
#include "core/window_ids.h"
#include "match/game_modes.h"
#include "shell/templates/builders.h"
#include "shell/templates/templates.h"

namespace {

// All five share colours and sounds; the fourth and fifth show their own
// picture in every state, the first three only a normal picture (set at
// creation), from which the disabled look is derived.
Row modeButton(const char* name, Rect where, AssetName picture, bool titled) {
    Row row(name, ControlKind::PictureButton, where);
    row.picture = picture;
    if (titled) {
        row.hotPicture = picture;
        row.disabledPicture = picture;
    }
    row.textColour = kWhite;
    row.backColour = kWhite;
    return row.sounds(assetName::kHoverSound, assetName::kClickSound).clicked(onModePictureClicked);
}

const ControlTemplate kControls[] = {
    label("标签3", {392, 264, 56, 24}, "LAN").aligned(HAlign::Left, VAlign::Centre),
    modeButton("超级按钮5", {456, 152, 224, 136}, assetName::kModes[4], true),
    modeButton("超级按钮4", {160, 152, 224, 136}, assetName::kModes[3], true),
    label("标签2", {240, 68, 336, 40}, "New")
        .colour(kRed)
        .withFont(20, 400, kCharsetGb2312, "华康圆体W9")
        .aligned(HAlign::Centre, VAlign::Top),
    modeButton("超级按钮3", {584, 320, 224, 136}, assetName::kModes[2], false),
    modeButton("超级按钮2", {312, 320, 224, 136}, assetName::kModes[1], false),
    modeButton("超级按钮1", {40, 320, 224, 136}, assetName::kModes[0], false),
    label("标签1", {240, 24, 336, 40}, "选择模式")
        .colour(kRed)
        .withFont(35, 400, kCharsetGb2312, "华康圆体W9")
        .aligned(HAlign::Centre, VAlign::Top),
};

}  // namespace

const WindowTemplate kModeChooserTemplate = {
    .id = ModeChooser::kId,
    .name = "mode chooser",
    .title = "选择模式",
    .width = 837,
    .height = 517,
    .backColour = kBlack,
    .controls = kControls,
    .controlCount = std::size(kControls),
    .onCreated = onModeChooserCreated,
    .onDestroy = onModeChooserDestroyed,
};
