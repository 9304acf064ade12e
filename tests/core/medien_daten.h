#pragma once
// The hand-made bitmap and MIDI samples in tests/data/, by edge case.

#include "temp_verzeichnis.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

inline std::filesystem::path testdaten(const std::string& unterordner) {
    return std::filesystem::path(ZOR_TESTDATEN) / unterordner;
}

// Stems of the files in a sample folder that carry this extension, sorted.
inline std::vector<std::string> staemmeMit(const std::string& unterordner, const std::string& endung) {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(testdaten(unterordner)))
        if (e.path().extension() == endung) namen.push_back(e.path().stem().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}
