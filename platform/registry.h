// Registry numbers.
#pragma once

#include "platform/text.h"

inline constexpr int kRootClassesRoot = 1;
inline constexpr int kRootCurrentConfig = 2;
inline constexpr int kRootCurrentUser = 3;  // also any other value
inline constexpr int kRootLocalMachine = 4;
inline constexpr int kRootUsers = 5;

// The REG_DWORD at `path` ("key\value name", split at the last backslash), or
// the default when the key or value is missing or of another type.
int readRegistryNumber(int root, const Text& path, int defaultValue = 0);
