#pragma once
// Streams a file in blocks of bounded size, reusing one buffer: every reader of FFO, FAB,
// VGL and arbitrary input files goes through this, so no job holds a whole file in memory.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace zor {

class Blockleser {
public:
    static constexpr std::size_t STANDARD_BLOCK = std::size_t{4} << 20;

    explicit Blockleser(const std::string& pfad, std::size_t blockgroesse = STANDARD_BLOCK);
    ~Blockleser();
    Blockleser(const Blockleser&) = delete;
    Blockleser& operator=(const Blockleser&) = delete;

    bool offen() const { return datei_ != nullptr; }
    // File length in bytes at opening (0 when not open).
    std::uint64_t groesse() const { return groesse_; }
    // The next block; empty at the end of the file or after a read error.
    std::span<const unsigned char> naechster();
    // The same block, to be changed in place (valid until the next call).
    std::span<unsigned char> naechsterZumAendern();
    bool fehler() const { return fehler_; }
    // Why opening or reading failed: an errno value or GRUND_KEINE_REGULAERE_DATEI; 0 if not.
    int fehlernummer() const { return fehlernummer_; }
    // Bytes handed out so far.
    std::uint64_t gelesen() const { return gelesen_; }
    // Up to n bytes at `offset`, without moving the block position; the count read.
    std::size_t lesenBei(std::uint64_t offset, unsigned char* ziel, std::size_t n);

private:
    std::FILE* datei_ = nullptr;
    std::vector<unsigned char> puffer_;
    std::uint64_t groesse_ = 0;
    std::uint64_t gelesen_ = 0;
    bool fehler_ = false;
    int fehlernummer_ = 0;
};

}  // namespace zor
