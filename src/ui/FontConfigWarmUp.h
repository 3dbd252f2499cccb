#pragma once

#include <thread>

namespace rv {

// Reads the system's font configuration on a second thread while Qt loads its
// platform plugin and connects to the display; the window's first text would
// otherwise wait for it. Does nothing where Qt does not use fontconfig.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until the configuration is read; call before the first widget, so
    // that Qt does not read it a second time alongside.
    void finish();

private:
    std::thread reader_;
};

} // namespace rv
