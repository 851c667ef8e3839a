// SPDX-License-Identifier: MIT
#include "core/util/value_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace probel {
namespace {

// Below this the comparison sort is as fast and needs no second buffer.
constexpr std::size_t kRadixFrom = 512;
constexpr int kDigitBits = 11;
constexpr int kDigits = (64 + kDigitBits - 1) / kDigitBits;
constexpr std::uint64_t kDigitMask = (std::uint64_t{1} << kDigitBits) - 1;
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

// Unsigned keys in the numbers' order: negative numbers have every bit flipped (the larger
// magnitude comes first), the others only their sign bit.
std::uint64_t keyOf(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
}

double valueOf(std::uint64_t key)
{
    return std::bit_cast<double>((key & kSignBit) != 0 ? key & ~kSignBit : ~key);
}

// The bits of a slot of the values' storage, copied as bytes.
std::uint64_t loadBits(const double* slot)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, slot, sizeof bits);
    return bits;
}

void storeBits(double* slot, std::uint64_t bits)
{
    std::memcpy(slot, &bits, sizeof bits);
}

}  // namespace

void sortValues(std::vector<double>& values)
{
    const std::size_t n = values.size();
    if (n < kRadixFrom) {
        std::sort(values.begin(), values.end());
        return;
    }
    // The passes move the keys back and forth between `keys` and the values' own storage,
    // which holds them as raw bits (never as doubles, whose copies might change a NaN's bits):
    // one buffer besides the values rather than two.
    double* const held = values.data();
    std::vector<std::uint64_t> keys(n);
    std::array<std::array<std::size_t, kDigitMask + 1>, kDigits> counts{};
    for (std::size_t i = 0; i < n; ++i) {
        keys[i] = keyOf(values[i]);
        for (int digit = 0; digit < kDigits; ++digit) {
            ++counts[digit][(keys[i] >> (digit * kDigitBits)) & kDigitMask];
        }
    }
    bool inKeys = true;
    for (int digit = 0; digit < kDigits; ++digit) {
        auto& count = counts[digit];
        // A digit all keys share (the sign and exponent of most series) leaves the order as it is.
        if (std::find(count.begin(), count.end(), n) != count.end()) {
            continue;
        }
        std::size_t start = 0;
        for (std::size_t& bin : count) {
            start += std::exchange(bin, start);
        }
        const int shift = digit * kDigitBits;
        if (inKeys) {
            for (const std::uint64_t key : keys) {
                storeBits(held + count[(key >> shift) & kDigitMask]++, key);
            }
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint64_t key = loadBits(held + i);
                keys[count[(key >> shift) & kDigitMask]++] = key;
            }
        }
        inKeys = !inKeys;
    }
    if (inKeys) {
        std::transform(keys.begin(), keys.end(), values.begin(), valueOf);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            values[i] = valueOf(loadBits(held + i));
        }
    }
}

}  // namespace probel
