#pragma once
// Random access to a file shown in a view: each paint reads just the bytes of its visible
// lines. The size is the one at opening; a file that shrinks later yields fewer bytes, a
// file that vanished or was replaced by another yields none, never stale or foreign data.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zor {

class Dateifenster {
public:
    explicit Dateifenster(const std::string& pfad);
    ~Dateifenster();
    Dateifenster(const Dateifenster&) = delete;
    Dateifenster& operator=(const Dateifenster&) = delete;

    // Only a regular file counts as open.
    bool offen() const { return fd_ >= 0; }
    const std::string& pfad() const { return pfad_; }
    // Length in bytes when opened (0 when not open).
    std::uint64_t groesse() const { return groesse_; }
    // Reads up to ziel.size() bytes from `offset`; returns how many it read.
    std::size_t lese(std::uint64_t offset, std::span<unsigned char> ziel) const;

private:
    bool nochDieselbeDatei() const;

    std::string pfad_;
    int fd_ = -1;
    std::uint64_t groesse_ = 0;
    std::uint64_t geraet_ = 0, knoten_ = 0;
};

}  // namespace zor
