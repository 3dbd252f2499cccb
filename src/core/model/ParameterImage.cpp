// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ParameterImage.h"

#include "core/model/OptionFields.h"

#include "core/model/ChannelAssignment.h"

#include <algorithm>

namespace rv {

void ParameterImage::copyUnitEntriesFrom(const ParameterImage& other) {
    std::copy_n(other.bytes_.begin(), UnitEntries, bytes_.begin());
}

bool ParameterImage::unitEntriesEqual(const ParameterImage& other) const {
    return std::equal(bytes_.begin(), bytes_.begin() + UnitEntries, other.bytes_.begin());
}

std::optional<int> firstUnshowableEntry(const ParameterImage& image) {
    for (const OptionField& field : OptionFields::All) {
        if (field.valueIn(image) > field.highest()) {
            return field.index;
        }
    }
    for (int index = Index::FirstChannel; index <= Index::LastChannel; ++index) {
        if (!ChannelAssignment::isChannel(channelOf(image.at(index)))) {
            return index;
        }
    }
    return std::nullopt;
}

namespace PercentScale {

int toByte(int position) {
    return position * 255 / 100;
}

int toPosition(int byte) {
    // round(byte * 100 / 255) in integers: (byte * 200 + 255) / 510.
    return (byte * 200 + 255) / 510;
}

} // namespace PercentScale
} // namespace rv
