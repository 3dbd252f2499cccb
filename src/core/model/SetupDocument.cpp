// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/SetupDocument.h"

namespace rv {

void SetupDocument::edit(SetupChange what, const std::function<void(Setup&)>& change) {
    change(setup_);
    noteChanged(what);
}

void SetupDocument::noteChanged(SetupChange what) {
    ++revision_;
    Q_EMIT changed(what);
}

void SetupDocument::replace(const Setup& setup, SetupChange what) {
    if (setup == setup_) {
        return;
    }
    setup_ = setup;
    noteChanged(what);
}

} // namespace rv
