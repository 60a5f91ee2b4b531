#include "core/window_ids.h"
#include "shell/templates/builders.h"
#include "shell/templates/templates.h"
#include "weapons/warehouse_editor.h"

namespace {

const ControlTemplate kControls[] = {
    button("PRI", {344, 328, 152, 96}, "Edit MyWeapon")
        .disabledAtStart()
        .clicked(onEditWeaponsClicked),
    button("按钮2", {184, 448, 520, 40}, "").clicked(onWarehouseSwitchClicked),
    label("标签3", {354, 248, 136, 32}, "Select what to edit")
        .aligned(HAlign::Left, VAlign::Centre),
    Row("组合框1", ControlKind::ComboBox, {370, 296, 100, 20}),
    Row("时钟1", ControlKind::Timer, {}).every(3000).ticked(onWarehouseTimerTick),
    label("标签2", {272, 208, 312, 32}, "处理中...\r\n")
        .colour(kRed)
        .aligned(HAlign::Centre, VAlign::Top),
    label("标签1", {277, 56, 371, 104}, "ZNK仓库编辑器")
        .colour(0xFF8000)
        .withFont(48, 400, kCharsetGb2312, "华文隶书")
        .aligned(HAlign::Left, VAlign::Centre),
};

}  // namespace

const WindowTemplate kWarehouseEditorTemplate = {
    .id = WarehouseEditor::kId,
    .name = "warehouse editor",
    .title = "ZNK Wpn MyWeapon Editor By ZNK TEAM",
    .width = 865,
    .height = 558,
    .controls = kControls,
    .controlCount = std::size(kControls),
    .onCreated = onWarehouseEditorCreated,
};
