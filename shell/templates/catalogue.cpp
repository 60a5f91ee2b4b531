#include "shell/templates/templates.h"
#include "shell/window_catalogue.h"

void registerWindowCatalogue() {
    for (const WindowTemplate* window :
         {&kMainWindowTemplate, &kModeChooserTemplate, &kQuickBuyEditorTemplate,
          &kPackEditorTemplate, &kQuickBuyChooserTemplate, &kWarehouseEditorTemplate,
          &kWeaponSelectionTemplate, &kArmsManagerTemplate, &kMaleArmChooserTemplate,
          &kFemaleArmChooserTemplate}) {
        registerWindowTemplate(window);
    }
}
