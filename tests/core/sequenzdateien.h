#pragma once
// FAB records as bytes and back, and a few file helpers for the sequence-file tests.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline std::string fabBytes(const std::vector<std::int32_t>& werte) {
    std::string s;
    for (const std::int32_t v : werte)
        for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

inline std::vector<std::int32_t> fabWerte(const std::string& s) {
    std::vector<std::int32_t> w;
    for (std::size_t i = 0; i + 4 <= s.size(); i += 4) {
        std::uint32_t u = 0;
        for (int k = 0; k < 4; ++k) u |= std::uint32_t{static_cast<unsigned char>(s[i + k])} << (8 * k);
        w.push_back(static_cast<std::int32_t>(u));
    }
    return w;
}

// Deterministic pseudo-random bytes.
inline std::string zufallsBytes(std::size_t n, std::uint64_t x) {
    std::string s(n, '\0');
    for (auto& c : s) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        c = static_cast<char>(x >> 24);
    }
    return s;
}

// The FFO of a byte string, most significant bit first.
inline std::string bitsAlsFfo(const std::string& bytes) {
    std::string f;
    for (const char c : bytes)
        for (int j = 7; j >= 0; --j) f += (static_cast<unsigned char>(c) >> j) & 1 ? '1' : '0';
    return f;
}

// The gaps of an FFO text; an error is a "1", or with `jedesNichtNull` any byte but "0".
inline std::vector<std::int32_t> luecken(const std::string& ffo, bool jedesNichtNull = false) {
    std::vector<std::int32_t> w;
    std::int32_t c = 1;
    for (const char z : ffo) {
        if (jedesNichtNull ? z != '0' : z == '1') {
            w.push_back(c);
            c = 0;
        }
        ++c;
    }
    return w;
}

// The names in a directory (to see that a failed job left nothing).
inline std::vector<std::string> dateienIn(const std::filesystem::path& dir) {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(dir)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}
