// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/EditHistory.h"

#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"

#include <bitset>

namespace rv {

namespace {

// The comment as the box shows it, with CR LF line breaks.
QString shownComment(const Setup& setup) {
    return setup.editedComment ? *setup.editedComment
                               : withWindowsLineBreaks(commentTextFromField(setup.storedComment));
}

// The image entries that collecting fills from fields: found by collecting
// two images that differ everywhere, so that the list is kept in one place.
const std::bitset<ParameterImage::Size>& entriesFromFields() {
    static const std::bitset<ParameterImage::Size> entries = [] {
        Setup low;
        Setup high;
        high.image.bytes().fill(0xFF);
        const ParameterImage collectedLow = collectedImage(low);
        const ParameterImage collectedHigh = collectedImage(high);
        std::bitset<ParameterImage::Size> result;
        for (int entry = 0; entry < ParameterImage::Size; ++entry) {
            result[static_cast<std::size_t>(entry)] =
                collectedLow.at(entry) == collectedHigh.at(entry);
        }
        return result;
    }();
    return entries;
}

} // namespace

bool sameEdits(const Setup& a, const Setup& b) {
    return collectedImage(a) == collectedImage(b) && a.curves == b.curves &&
           a.channels == b.channels && a.shownChannelOptions == b.shownChannelOptions &&
           a.hoverToAcroTenths == b.hoverToAcroTenths &&
           a.acroToHoverTenths == b.acroToHoverTenths && a.hoverSpeedRpm == b.hoverSpeedRpm &&
           a.acroSpeedRpm == b.acroSpeedRpm && a.optionsShown == b.optionsShown &&
           shownComment(a) == shownComment(b);
}

void EditHistory::start(const Setup& current) {
    last_ = current;
    clean_.reset();
    if (!hasUnsavedChanges(current)) {
        clean_ = current;
    }
}

// GCC 12 at -O3 takes the optional comment inside a returned step for
// uninitialised; a false alarm.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
std::optional<EditStep> EditHistory::record(const Setup& current) {
    if (!hasUnsavedChanges(current)) {
        clean_ = current;
    }
    if (sameEdits(current, last_)) {
        last_ = current; // keeps what a save or a new curve shown changed
        return std::nullopt;
    }
    EditStep step{last_, current};
    last_ = current;
    return step;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

Setup EditHistory::restore(const Setup& current, const Setup& snapshot) {
    Setup restored = snapshot;
    restored.currentFileName = current.currentFileName;
    restored.referenceImage = current.referenceImage;
    restored.reservedByte = current.reservedByte;
    restored.reservedText = current.reservedText;
    restored.storedComment = current.storedComment;
    if (!snapshot.editedComment && snapshot.storedComment != current.storedComment) {
        // A save since stored another comment: the box must show the old one.
        restored.editedComment = shownComment(snapshot);
    }
    for (int entry = 0; entry < ParameterImage::Size; ++entry) {
        if (entriesFromFields()[static_cast<std::size_t>(entry)]) {
            restored.image.set(entry, current.image.at(entry));
        }
    }
    restored.changed = !clean_ || !sameEdits(restored, *clean_);
    last_ = restored;
    return restored;
}

} // namespace rv
