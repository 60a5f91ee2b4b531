// The offscreen system runs one launcher at a time.
#include "platform/instance.h"

bool claimLauncherFolder() {
    return true;
}
