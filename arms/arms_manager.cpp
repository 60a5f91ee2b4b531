// The arms manager: the notice before it opens, its refresh from the arms
// file, and the switch that turns the custom arms on and off.
#include "arms/arms_file.h"
#include "arms/arms_manager.h"
#include "core/display_text.h"
#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/window.h"

namespace {

constexpr const char* kArmsOnCaption = "已启用自定义手臂,点击关闭";
constexpr const char* kArmsOffCaption = "已关闭自定义手臂,点击开启";

void setManagerCaption(ControlId control, int index, const Text& text) {
    setProperty(ArmsManager::kId, control, index, displayText(text));
}

}  // namespace

void refreshArmsManager() {
    if (!isWindowLoaded(ArmsManager::kId))
        return;
    bool armsOn = toInteger(readArmsItem("enable")) == 1;
    setManagerCaption(ArmsManager::按钮1, kButtonCaption,
                      armsOn ? kArmsOnCaption : kArmsOffCaption);
    setProperty(ArmsManager::kId, ArmsManager::图片框1, kPicture, armPreview(readArmsItem("male")));
    setManagerCaption(ArmsManager::标签1, kLabelCaption, "男手臂自定义");
    setManagerCaption(ArmsManager::标签2, kLabelCaption, "女手臂自定义");
    setManagerCaption(ArmsManager::按钮2, kButtonCaption, "更改手臂");
    setManagerCaption(ArmsManager::按钮3, kButtonCaption, "更改手臂");
    setProperty(ArmsManager::kId, ArmsManager::图片框2, kPicture,
                armPreview(readArmsItem("female")));
}

void onOpenArmsManager() {
    messageBox(displayText("由于CSO的手臂分short,long,org三种，目前MH只支持分析short，"
                           "将在以后版本加入全部解析功能"),
               kMbOk);
    loadWindow(ArmsManager::kId, true);
}

void onArmsManagerCreated() {
    refreshArmsManager();
}

// The state is the caption the player sees, in the script he sees it in. The
// caption follows the file only once the file has taken the change, so a
// refused write never shows a state the game will not get.
void onArmsSwitchClicked() {
    ControlRef button{ArmsManager::kId, ArmsManager::按钮1};
    bool armsOn = getText(button, kButtonCaption) == displayText(kArmsOnCaption);
    if (writeArmsItem("enable", armsOn ? "0" : "1"))
        setManagerCaption(ArmsManager::按钮1, kButtonCaption,
                          armsOn ? kArmsOffCaption : kArmsOnCaption);
}

void onOpenMaleArmChooser() {
    loadWindow(ArmChooser::kMaleId, true);
}

void onOpenFemaleArmChooser() {
    loadWindow(ArmChooser::kFemaleId, true);
}
