// The template of each window, defined one file per window, and their
// registration with the window model.
#pragma once

#include <iterator>

#include "platform/window_template.h"

extern const WindowTemplate kMainWindowTemplate;
extern const WindowTemplate kModeChooserTemplate;
extern const WindowTemplate kQuickBuyEditorTemplate;
extern const WindowTemplate kPackEditorTemplate;
extern const WindowTemplate kQuickBuyChooserTemplate;
extern const WindowTemplate kWarehouseEditorTemplate;
extern const WindowTemplate kWeaponSelectionTemplate;
extern const WindowTemplate kArmsManagerTemplate;
extern const WindowTemplate kMaleArmChooserTemplate;
extern const WindowTemplate kFemaleArmChooserTemplate;

// Registers every template above with the window model.
void registerWindowTemplates();
