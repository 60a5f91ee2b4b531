// Every event handler that the window templates bind, by window. Each is
// defined by the module that owns the behaviour.
#pragma once

// Main window (shell, match).
void onMainWindowCreated();
void onModeButtonClicked();
void onModeTipHovered();
void onMapSelected();
void onBotCountChanged();
void onLaunchClicked();
void onPlainLaunchClicked();
void onOpenWarehouseEditor();
void onOpenQuickBuyEditor();
void onOpenArmsManager();

// Mode chooser (match).
void onModeChooserCreated();
void onModeChooserDestroyed();
void onModePictureClicked();

// Quick-buy editor, pack editor, quick-buy weapon chooser (quickbuy, weapons).
void onQuickBuyEditorCreated();
void onEditPackClicked();
void onQuickBuyEditorReturn();
void onPackEditorCreated();
void onPackSaveClicked();
void onPackCancelClicked();
void onPackSlotPressed();
void onQuickBuyChooserCreated();
void onQuickBuyChooserCellPressed();

// Warehouse editor and weapon selection window (weapons).
void onWarehouseEditorCreated();
void onWarehouseTimerTick();
void onEditWeaponsClicked();
void onWarehouseSwitchClicked();
void onWeaponSelectionCreated();
void onWeaponSelectionExit();
void onWeaponSelectionNext();
void onWeaponSelectionBack();
void onWeaponCellClicked();

// Arms manager and arm choosers (arms).
void onArmsManagerCreated();
void onArmsSwitchClicked();
void onOpenMaleArmChooser();
void onOpenFemaleArmChooser();
void onMaleArmChooserCreated();
void onFemaleArmChooserCreated();
void onArmPicturePressed();
