// Writes the skin library when it is missing and attaches the built-in skin.
#pragma once

void setUpSkin();
