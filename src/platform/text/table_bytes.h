// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace probel {

// The big-endian numbers and tags of one font table. A read beyond its end gives 0 (or a
// blank tag) and marks the table broken, so a malformed table is read to the end without
// harm and then passed over.
class TableBytes {
public:
    explicit TableBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint16_t u16(std::size_t at)
    {
        if (!holds(at, 2)) {
            return 0;
        }
        return static_cast<std::uint16_t>(bytes_[at] << 8U | bytes_[at + 1]);
    }
    std::int16_t s16(std::size_t at) { return static_cast<std::int16_t>(u16(at)); }
    std::uint32_t u32(std::size_t at) { return std::uint32_t{u16(at)} << 16U | u16(at + 2); }
    std::string_view tag(std::size_t at)
    {
        if (!holds(at, 4)) {
            return "    ";
        }
        return {reinterpret_cast<const char*>(bytes_.data() + at), 4};
    }

    bool broken() const { return broken_; }
    void markBroken() { broken_ = true; }

private:
    bool holds(std::size_t at, std::size_t length)
    {
        if (at > bytes_.size() || bytes_.size() - at < length) {
            broken_ = true;
            return false;
        }
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    bool broken_ = false;
};

}  // namespace probel
