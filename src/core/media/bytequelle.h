#pragma once
// Random-access bytes of a foreign file or of memory, for the readers of hostile formats:
// every read names its offset and gets at most what exists, so a reader cannot step
// past the end. Files must be regular files (no FIFOs or devices that could block).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace zor {

class Bytequelle {
public:
    virtual ~Bytequelle() = default;
    // Length in bytes when opened.
    virtual std::uint64_t groesse() const = 0;
    // Copies up to n bytes from offset into ziel; returns how many there were.
    virtual std::size_t lies(std::uint64_t offset, void* ziel, std::size_t n) = 0;
};

class SpeicherQuelle final : public Bytequelle {
public:
    explicit SpeicherQuelle(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    std::uint64_t groesse() const override { return bytes_.size(); }
    std::size_t lies(std::uint64_t offset, void* ziel, std::size_t n) override;

private:
    std::span<const unsigned char> bytes_;
};

// A regular file opened for reading, or nullptr (then `warum` says why in German).
std::unique_ptr<Bytequelle> oeffneDatei(const std::string& pfad, std::string& warum);

}  // namespace zor
