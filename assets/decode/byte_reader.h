#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vclock {

// Reads little-endian fields of a file in order. A read that would pass the
// end of the bytes reads nothing, gives 0 and leaves the reader failed, so a
// decoder can read a whole header and check ok() once. Offsets and counts are
// 64-bit so that sums of hostile 32-bit fields cannot wrap.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t size() const { return bytes_.size(); }

    // Whether `count` bytes starting at `offset` lie inside the bytes.
    bool holds(std::uint64_t offset, std::uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    void seek(std::uint64_t offset) {
        if (holds(offset, 0)) position_ = static_cast<std::size_t>(offset);
        else fail();
    }
    void skip(std::uint64_t count) { seek(position_ + count); }

    std::uint8_t u8() { return static_cast<std::uint8_t>(little(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(little(2)); }
    std::uint32_t u32() { return little(4); }
    std::int32_t i32() { return static_cast<std::int32_t>(little(4)); }

    // The next `count` bytes; an empty span and a failed reader when fewer remain.
    std::span<const std::uint8_t> take(std::uint64_t count) {
        if (!holds(position_, count)) {
            fail();
            return {};
        }
        const std::span<const std::uint8_t> part = bytes_.subspan(position_, static_cast<std::size_t>(count));
        position_ += part.size();
        return part;
    }

private:
    std::uint32_t little(std::size_t count) {
        std::uint32_t value = 0;
        const std::span<const std::uint8_t> part = take(count);
        for (std::size_t i = 0; i < part.size(); ++i) value |= std::uint32_t{part[i]} << (8 * i);
        return value;
    }
    void fail() {
        ok_ = false;
        position_ = bytes_.size();
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

}  // namespace vclock
