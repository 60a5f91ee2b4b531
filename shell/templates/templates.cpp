#include "shell/templates/templates.h"

void registerWindowTemplates() {
    for (const WindowTemplate* window :
         {&kMainWindowTemplate, &kModeChooserTemplate, &kQuickBuyEditorTemplate,
          &kPackEditorTemplate, &kQuickBuyChooserTemplate, &kWarehouseEditorTemplate,
          &kWeaponSelectionTemplate, &kArmsManagerTemplate, &kMaleArmChooserTemplate,
          &kFemaleArmChooserTemplate}) {
        registerWindowTemplate(window);
    }
}
