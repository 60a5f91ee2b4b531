#include "assets/asset_names.h"
#include "core/window_ids.h"
#include "quickbuy/quick_buy.h"
#include "shell/templates/builders.h"
#include "shell/templates/templates.h"

namespace {

Row slot(const char* name, Rect where, AssetName placeholder) {
    return pictureBox(name, where, 2)
        .background(kWhite)
        .image(placeholder)
        .pressed(onPackSlotPressed);
}

const ControlTemplate kControls[] = {
    label("标签1", {204, 273, 216, 32}, "提示：点击对应图片修改武器")
        .colour(kRed)
        .withFont(12, 700, kCharsetGb2312)
        .aligned(HAlign::Centre, VAlign::Top),
    button("按钮2", {432, 272, 104, 32}, "保存").clicked(onPackSaveClicked),
    button("按钮1", {64, 272, 104, 32}, "取消").clicked(onPackCancelClicked),
    slot("图片框5", {303, 130, 184, 104}, assetName::kSlots[3]),
    slot("图片框4", {303, 4, 184, 104}, assetName::kSlots[2]),
    slot("图片框3", {90, 132, 184, 104}, assetName::kSlots[1]),
    slot("图片框2", {91, 4, 184, 104}, assetName::kSlots[0]),
    pictureBox("图片框1", {91, 4, 440, 232}, 0).background(kWhite),
};

}  // namespace

const WindowTemplate kPackEditorTemplate = {
    .id = PackEditor::kId,
    .name = "pack editor",
    .title = "",
    .width = 625,
    .height = 339,
    .controls = kControls,
    .controlCount = std::size(kControls),
    .onCreated = onPackEditorCreated,
};
