// The arms manager, opened from the main window's "手臂管理(NEW)" (按钮1)
// after a notice, and its two arm choosers.
#pragma once

// Shows the arms manager's switch caption, texts and previews as the file has
// them. Does nothing while the manager is not loaded.
void refreshArmsManager();

void onOpenArmsManager();
void onArmsManagerCreated();
void onArmsSwitchClicked();
void onOpenMaleArmChooser();
void onOpenFemaleArmChooser();
void onMaleArmChooserCreated();
void onFemaleArmChooserCreated();
void onArmPicturePressed();
