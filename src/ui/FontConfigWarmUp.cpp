#include "ui/FontConfigWarmUp.h"

#ifdef RV_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace rv {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef RV_HAVE_FONTCONFIG
    // FcInit keeps what it reads for the whole process, where Qt finds it.
    reader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

} // namespace rv
