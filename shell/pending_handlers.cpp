// Handlers whose behaviour is still to come. Each does nothing yet; the
// windows they belong to open and close normally.
#include "shell/handlers.h"
#include "shell/startup_steps.h"

void onQuickBuyEditorCreated() {}
void onPackEditorCreated() {}
void onPackSaveClicked() {}
void onQuickBuyChooserCreated() {}
void onQuickBuyChooserCellPressed() {}
