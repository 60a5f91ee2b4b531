#include "platform/display.h"

namespace {

// Texts are stored as GBK; only the language setting switches captions to BIG5.
int gDisplayCodePage = kCodePageGbk;

}  // namespace

void setDisplayCodePage(int codePage) {
    gDisplayCodePage = codePage;
}

int displayCodePage() {
    return gDisplayCodePage;
}
