// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ChannelAssignment.h"

#include "core/model/ParameterImage.h"

namespace rv {

std::uint8_t ChannelAssignment::channelByte(int row) const {
    const auto r = static_cast<std::size_t>(row);
    return rv::channelByte(reversed.at(r), channel.at(r));
}

} // namespace rv
