#include "platform/offscreen/system.h"

namespace {
OffscreenSystem* gCurrentSystem = nullptr;
}

OffscreenSystem::OffscreenSystem() : previous_(gCurrentSystem) {
    gCurrentSystem = this;
}

OffscreenSystem::~OffscreenSystem() {
    gCurrentSystem = previous_;
}

OffscreenSystem& OffscreenSystem::current() {
    if (gCurrentSystem == nullptr) {
        // Leaked on purpose: it must outlive every caller, static destructors included.
        static OffscreenSystem* fallback = new OffscreenSystem();
        return *fallback;
    }
    return *gCurrentSystem;
}
