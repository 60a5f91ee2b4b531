#include "arms/arms_manager.h"
#include "core/window_ids.h"
#include "shell/templates/builders.h"
#include "shell/templates/templates.h"

namespace {

const ControlTemplate kManagerControls[] = {
    button("按钮3", {624, 400, 128, 32}, "更改手臂").clicked(onOpenFemaleArmChooser),
    pictureBox("图片框2", {536, 184, 296, 192}, 2),
    button("按钮2", {136, 400, 128, 32}, "更改手臂").clicked(onOpenMaleArmChooser),
    pictureBox("图片框1", {48, 184, 296, 192}, 2),
    Row("分组框1", ControlKind::GroupBox, {421, 122, 16, 328}),
    label("标签2", {641, 104, 112, 48}, "女手臂自定义").aligned(HAlign::Left, VAlign::Centre),
    label("标签1", {160, 104, 112, 48}, "男手臂自定义").aligned(HAlign::Left, VAlign::Centre),
    button("按钮1", {336, 24, 192, 40}, "按钮").clicked(onArmsSwitchClicked),
};

// Both choosers show the same three pictures with the names below them.
const ControlTemplate kChooserControls[] = {
    label("标签3", {592, 216, 136, 24}, "合金红手").aligned(HAlign::Centre, VAlign::Top),
    label("标签2", {336, 216, 136, 24}, "合金蓝手").aligned(HAlign::Centre, VAlign::Top),
    label("标签1", {96, 216, 136, 24}, "常规手臂").aligned(HAlign::Centre, VAlign::Top),
    pictureBox("图片框3", {557, 48, 184, 152}, 2).pressed(onArmPicturePressed),
    pictureBox("图片框2", {311, 48, 184, 152}, 2).pressed(onArmPicturePressed),
    pictureBox("图片框1", {65, 48, 184, 152}, 2).pressed(onArmPicturePressed),
};

}  // namespace

const WindowTemplate kArmsManagerTemplate = {
    .id = ArmsManager::kId,
    .name = "arms manager",
    .title = "ZIZID手臂 管理器",
    .width = 881,
    .height = 524,
    .controls = kManagerControls,
    .controlCount = std::size(kManagerControls),
    .onCreated = onArmsManagerCreated,
};

const WindowTemplate kMaleArmChooserTemplate = {
    .id = ArmChooser::kMaleId,
    .name = "male arm chooser",
    .title = "ZIZID 手臂选择-男",
    .width = 820,
    .height = 446,
    .controls = kChooserControls,
    .controlCount = std::size(kChooserControls),
    .onCreated = onMaleArmChooserCreated,
};

const WindowTemplate kFemaleArmChooserTemplate = {
    .id = ArmChooser::kFemaleId,
    .name = "female arm chooser",
    .title = "ZIZID 手臂选择-女",
    .width = 820,
    .height = 446,
    .controls = kChooserControls,
    .controlCount = std::size(kChooserControls),
    .onCreated = onFemaleArmChooserCreated,
};
