#pragma once
// Names for parameterised tests that a reader understands and that stay the same from
// run to run: GoogleTest would otherwise print parameters it cannot show as byte dumps.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>

namespace testnamen {

// Keeps letters and digits; anything else becomes '_' (GoogleTest allows nothing more).
inline std::string bereinigt(const std::string& text) {
    std::string n = text;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
}

// 4096 -> "4KiB", 4 << 20 -> "4MiB", 13 -> "13".
inline std::string groesse(std::size_t n) {
    if (n >= (std::size_t{1} << 20) && n % (std::size_t{1} << 20) == 0) return std::to_string(n >> 20) + "MiB";
    if (n >= 1024 && n % 1024 == 0) return std::to_string(n >> 10) + "KiB";
    return std::to_string(n);
}

// For suites run once per block size of a file job.
inline std::string blockname(const ::testing::TestParamInfo<std::size_t>& info) {
    return "Block" + groesse(info.param);
}

// For suites whose parameter carries its own `name`.
struct NachName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return bereinigt(info.param.name);
    }
};

}  // namespace testnamen
