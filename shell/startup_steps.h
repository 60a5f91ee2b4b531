// Start-up steps that the match set-up provides.
#pragma once

void detectCurrentMode();
void loadMapCatalogue();
void refreshMapPreview();
