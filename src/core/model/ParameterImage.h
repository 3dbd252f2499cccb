// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace rv {

// The unit's parameter set as the program holds it: 71 unsigned bytes.
// Entries 0..58 are the unit's parameters; 59..70 are carried in files only.
class ParameterImage {
public:
    static constexpr int Size = 71;
    static constexpr int UnitEntries = 59; // 0..58 are sent and compared
    static constexpr int ValueEditorLast = 69;

    std::uint8_t at(int index) const { return bytes_.at(static_cast<std::size_t>(index)); }
    void set(int index, std::uint8_t value) { bytes_.at(static_cast<std::size_t>(index)) = value; }

    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }
    std::array<std::uint8_t, Size>& bytes() { return bytes_; }

    // Copies entries 0..58 (the reference copy taken after each load and save).
    void copyUnitEntriesFrom(const ParameterImage& other);
    // True when entries 0..58 are equal; 59..70 never count as a change.
    bool unitEntriesEqual(const ParameterImage& other) const;

    bool operator==(const ParameterImage& other) const = default;

private:
    std::array<std::uint8_t, Size> bytes_{};
};

// Byte encoding of the percent sliders.
namespace PercentScale {
// floor(position * 255 / 100), computed in integers.
int toByte(int position);
// Nearest integer to byte * 100 / 255 (an exact half cannot occur).
int toPosition(int byte);
} // namespace PercentScale

// Channel byte of image entries 50..58: reverse flag in bit 7, channel in bits 0..6.
inline std::uint8_t channelByte(bool reversed, int channel) {
    return static_cast<std::uint8_t>((reversed ? 128 : 0) + channel);
}
inline int channelOf(std::uint8_t byte) {
    return byte & 0x7F;
}
inline bool reverseOf(std::uint8_t byte) {
    return (byte & 0x80) != 0;
}

// Image indices that several parts of the program name.
namespace Index {
constexpr int HoverAcroTime = 2;
constexpr int AcroHoverTime = 3;
constexpr int SpeedFactor06 = 4;
constexpr int SpeedFactor07 = 5;
constexpr int HoverSpeed = 6;
constexpr int AcroSpeed = 7;
constexpr int MainOut = 29;
constexpr int TailSignal = 31;
constexpr int TailBeep = 32;
constexpr int ServoReverse1 = 35;
constexpr int PitchPart = 38;
constexpr int CyclicPart = 39;
constexpr int PitchMode = 40;
constexpr int SpeedMode = 41;
constexpr int ServoMode = 42;
constexpr int GyroReverse = 48;
constexpr int NotSent = 49;
constexpr int FirstChannel = 50;
constexpr int PhaseChannel = 54;
constexpr int LastChannel = 58;
} // namespace Index

// The first entry that no option, check box or channel of the window can
// show (an option index without an option, a channel above 9), if any. Such
// an image is refused as a whole: applying it part of the way would leave a
// mix of two setups in the window, ready to be saved or sent.
std::optional<int> firstUnshowableEntry(const ParameterImage& image);

} // namespace rv
