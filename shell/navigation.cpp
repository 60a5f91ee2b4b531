// The handlers that only open or close windows.
#include "platform/dialogs.h"
#include "platform/window.h"
#include "shell/handlers.h"
#include "shell/startup.h"
#include "shell/window_catalogue.h"

namespace {

void closeOwnWindow() {
    closeWindow(eventSourceControl());
}

}  // namespace

void onOpenQuickBuyEditor() {
    loadWindow(QuickBuyEditor::kId, true);
}
void onEditPackClicked() {
    loadWindow(PackEditor::kId, true);
}
void onPackSlotPressed() {
    loadWindow(QuickBuyChooser::kId, true);
}
void onPackCancelClicked() {
    closeOwnWindow();
}
void onQuickBuyEditorReturn() {
    closeOwnWindow();
}
