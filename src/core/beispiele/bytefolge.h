#pragma once
// Little-endian byte building for the teaching set's file formats (RIFF, bitmaps) and the
// big-endian fields of MIDI files.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zor::beispiele {

class Bytefolge {
public:
    void le16(std::uint32_t x) {
        byte(x);
        byte(x >> 8);
    }
    void le32(std::uint32_t x) {
        le16(x & 0xFFFF);
        le16(x >> 16);
    }
    void be16(std::uint32_t x) {
        byte(x >> 8);
        byte(x);
    }
    void be32(std::uint32_t x) {
        be16(x >> 16);
        be16(x & 0xFFFF);
    }
    void byte(std::uint32_t x) { b_.push_back(static_cast<unsigned char>(x)); }
    // Four-character codes and other plain text, without a terminator.
    void text(std::string_view t) { b_.insert(b_.end(), t.begin(), t.end()); }
    void anhaengen(const std::vector<unsigned char>& v) { b_.insert(b_.end(), v.begin(), v.end()); }
    // Overwrites a 32-bit field written earlier (a chunk size known only at its end).
    void le32An(std::size_t pos, std::uint32_t x) {
        for (int i = 0; i < 4; ++i) b_[pos + static_cast<std::size_t>(i)] = static_cast<unsigned char>(x >> (8 * i));
    }
    void be32An(std::size_t pos, std::uint32_t x) {
        for (int i = 0; i < 4; ++i) b_[pos + static_cast<std::size_t>(i)] = static_cast<unsigned char>(x >> (24 - 8 * i));
    }
    std::size_t groesse() const { return b_.size(); }
    const std::vector<unsigned char>& bytes() const { return b_; }

private:
    std::vector<unsigned char> b_;
};

}  // namespace zor::beispiele
