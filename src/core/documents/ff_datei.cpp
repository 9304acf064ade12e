#include "core/documents/ff_datei.h"

#include <algorithm>
#include <filesystem>

#include "core/io/folgenleser.h"

namespace zor {
namespace {

constexpr std::size_t BLOCK = std::size_t{1} << 16;

// The recorded length, or less when the file has shrunk since: the view shows what is there.
std::uint64_t lesbar(const STRUCT_DATEI& d) {
    std::error_code fehler;
    const std::uintmax_t jetzt = std::filesystem::file_size(d.szFileName, fehler);
    const std::uint64_t aufgezeichnet = d.laenge > 0 ? static_cast<std::uint64_t>(d.laenge) : 0;
    return fehler ? aufgezeichnet : std::min<std::uint64_t>(aufgezeichnet, jetzt);
}

std::optional<std::string> fehlerfolge(const STRUCT_DATEI& d, long anzahl, std::string* grund) {
    FfoLeser leser(d.szFileName, BLOCK, lesbar(d));
    if (!leser.offen()) return std::nullopt;
    std::uint64_t n = static_cast<std::uint64_t>(std::clamp<long>(anzahl, 0, FF_FFO_HOECHSTENS));
    std::string bits;
    for (auto b = leser.naechster(n); !b.empty(); b = leser.naechster(n - bits.size())) bits.append(b.begin(), b.end());
    if (leser.stand() == Lesestand::Ungueltig && grund) *grund = leser.ungueltigText(d.szFileName);
    if (!leser.gut()) return std::nullopt;
    return bits;
}

std::optional<std::string> fehlerabstaende(const STRUCT_DATEI& d, long anzahl) {
    FabLeser leser(d.szFileName, BLOCK, lesbar(d));
    if (!leser.offen()) return std::nullopt;
    const auto n = static_cast<std::size_t>(std::max(0L, anzahl));
    std::string bits;
    std::int32_t g;
    while (bits.size() < n && leser.naechster(g)) {
        bits.append(std::min(static_cast<std::size_t>(g) - 1, n - bits.size()), FFO_KORREKT);
        if (bits.size() < n) bits.push_back(FFO_FEHLER);
    }
    if (!leser.gut()) return std::nullopt;
    return bits;
}

}  // namespace

std::optional<std::string> FF_DateiFolge(const STRUCT_DATEI& datei, long anzahl, std::string* grund) {
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(datei.szFileName, fehler)) return std::nullopt;
    return datei.datei == 1 ? fehlerfolge(datei, anzahl, grund) : fehlerabstaende(datei, anzahl);
}

}  // namespace zor
