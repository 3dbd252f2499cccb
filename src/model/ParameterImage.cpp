#include "model/ParameterImage.h"

#include "model/ChannelAssignment.h"

#include <algorithm>

namespace rv {

void ParameterImage::copyUnitEntriesFrom(const ParameterImage& other) {
    std::copy_n(other.bytes_.begin(), UnitEntries, bytes_.begin());
}

bool ParameterImage::unitEntriesEqual(const ParameterImage& other) const {
    return std::equal(bytes_.begin(), bytes_.begin() + UnitEntries, other.bytes_.begin());
}

std::optional<int> firstUnshowableEntry(const ParameterImage& image) {
    struct Limit {
        int index;
        std::uint8_t mask;
        int highest;
    };
    // In index order; the option counts of the window's option groups.
    static constexpr std::array<Limit, 7> limits{{{Index::MainOut, 0xFF, 1},
                                                  {Index::TailSignal, 0x7F, 1},
                                                  {Index::TailBeep, 0xFF, 1},
                                                  {Index::PitchMode, 0xFF, 1},
                                                  {Index::SpeedMode, 0xFF, 1},
                                                  {Index::ServoMode, 0xFF, 2},
                                                  {Index::GyroReverse, 0xFF, 2}}};
    for (const Limit& limit : limits) {
        if ((image.at(limit.index) & limit.mask) > limit.highest) {
            return limit.index;
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
