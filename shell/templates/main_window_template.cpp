#include "arms/arms_manager.h"
#include "assets/asset_names.h"
#include "core/window_ids.h"
#include "match/bot_settings.h"
#include "match/game_launch.h"
#include "match/game_modes.h"
#include "match/map_catalogue.h"
#include "quickbuy/quick_buy.h"
#include "shell/startup.h"
#include "shell/templates/builders.h"
#include "shell/templates/templates.h"
#include "weapons/warehouse_editor.h"

namespace {

const ControlTemplate kControls[] = {
    button("按钮1", {208, 600, 192, 40}, "手臂管理(NEW)").clicked(onOpenArmsManager),
    label("标签1", {232, 267, 80, 32}, "！")
        .colour(kRed)
        .withFont(35, 400, kCharsetGb2312)
        .aligned(HAlign::Left, VAlign::Centre)
        .hovered(onModeTipHovered),
    button("按钮15", {366, 461, 136, 40}, "启动器启动").clicked(onLaunchClicked),
    button("按钮14", {369, 399, 136, 32}, "正常启动").clicked(onPlainLaunchClicked),
    Row("编辑框3", ControlKind::EditBox, {397, 314, 131, 24})
        .digitsOnly()
        .changed(onBotCountChanged),
    Row("组合框2", ControlKind::ComboBox, {397, 356, 128, 20}),
    label("标签7", {328, 355, 56, 24}, "BOT难度").aligned(HAlign::Left, VAlign::Centre),
    label("标签3", {328, 311, 56, 24}, "BOT数量").aligned(HAlign::Left, VAlign::Centre),
    Row("选择框1", ControlKind::CheckBox, {371, 265, 136, 32})
        .text("启用插件控制BOT选项")
        .aligned(HAlign::Left, VAlign::Centre),
    Row("组合框1", ControlKind::ComboBox, {56, 336, 208, 20}).changed(onMapSelected),
    pictureBox("图片框2", {59, 388, 200, 112}, 1),
    button("按钮13", {71, 264, 152, 40}, "模式").clicked(onModeButtonClicked),
    pictureBox("图片框1", {40, 64, 512, 176}, 1).image(assetName::kBanner),
    button("按钮3", {96, 526, 152, 48}, "快速购买编辑").clicked(onOpenQuickBuyEditor),
    button("按钮2", {352, 528, 168, 48}, "打开仓库编辑器").clicked(onOpenWarehouseEditor),
    Row("透明标签1", ControlKind::TransparentLabel, {170, 20, 272, 24})
        .text("CS ZephyrNorthKeystone")
        .colour(kBlack)
        .withFont(21, 500, kCharsetAnsi, "Counter-Strike"),
};

}  // namespace

const WindowTemplate kMainWindowTemplate = {
    .id = MainWindow::kId,
    .name = "main window",
    .title = "CS:ZNK Launcher(Beta1.1) BY ZNK TEAM ",
    .width = 604,
    .height = 691,
    .minimizeBox = true,
    .maximizeBox = true,
    .controls = kControls,
    .controlCount = std::size(kControls),
    .onCreated = onMainWindowCreated,
};
