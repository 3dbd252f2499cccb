#pragma once

#include "model/ParameterImage.h"

#include <array>
#include <cstdint>

namespace rv {

// The settings that are a choice among a few options and sit in an image
// entry (or in some bits of one): where each lives and how many options it
// has. The load's check for bytes no setting stands for, the range check
// before a transfer and the window's option groups all count from here.
struct OptionField {
    int index;
    std::uint8_t mask;
    int count;

    constexpr int highest() const { return count - 1; }
    int valueIn(const ParameterImage& image) const { return image.at(index) & mask; }
};

namespace OptionFields {
inline constexpr OptionField MainOut{Index::MainOut, 0xFF, 2};
inline constexpr OptionField TailSignal{Index::TailSignal, 0x7F, 2};
inline constexpr OptionField TailBeep{Index::TailBeep, 0xFF, 2};
inline constexpr OptionField HeliType{Index::PitchMode, 0xFF, 2};
inline constexpr OptionField MainMotor{Index::SpeedMode, 0xFF, 2};
inline constexpr OptionField Swashplate{Index::ServoMode, 0xFF, 3};
// The gyro reverse box: cleared, checked, or the grey third state.
inline constexpr OptionField GyroReverse{Index::GyroReverse, 0xFF, 3};

// In index order, as the load checks them.
inline constexpr std::array<OptionField, 7> All{MainOut,   TailSignal, TailBeep,   HeliType,
                                                MainMotor, Swashplate, GyroReverse};
} // namespace OptionFields

} // namespace rv
