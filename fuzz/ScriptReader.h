#pragma once
// Reads a fuzz input front to back as a script of operations and their arguments.
// Past the end every read gives zeros, so any byte string is a complete script; the
// seed generator writes the same layout, which keeps seeds readable as scripts.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

class ScriptReader {
public:
    ScriptReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return at_ >= size_; }

    std::uint8_t Byte() { return AtEnd() ? 0 : data_[at_++]; }

    std::uint16_t Uint16()
    {
        const std::uint16_t lo = Byte();
        return static_cast<std::uint16_t>(lo | (Byte() << 8));
    }

    std::int32_t Int32()
    {
        std::uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8)
            bits |= static_cast<std::uint32_t>(Byte()) << shift;
        return static_cast<std::int32_t>(bits);
    }

    double Double()
    {
        std::uint64_t bits = 0;
        for (int shift = 0; shift < 64; shift += 8)
            bits |= static_cast<std::uint64_t>(Byte()) << shift;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

    // Up to `count` bytes; fewer when the script ends first.
    std::span<const std::uint8_t> Bytes(std::size_t count)
    {
        const std::size_t left = AtEnd() ? 0 : size_ - at_;
        const std::size_t n = count < left ? count : left;
        const std::span<const std::uint8_t> bytes(data_ + at_, n);
        at_ += n;
        return bytes;
    }

    std::span<const std::uint8_t> Rest() { return Bytes(size_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
