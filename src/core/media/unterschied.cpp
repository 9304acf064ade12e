#include "core/media/unterschied.h"

#include "core/io/blockleser.h"

#include <algorithm>

namespace zor {

std::optional<std::uint64_t> ersterUnterschied(const std::string& datei1, const std::string& datei2) {
    Blockleser a(datei1), b(datei2);
    if (!a.offen() || !b.offen()) return std::nullopt;
    std::uint64_t pos = 0;
    std::span<const unsigned char> x, y;
    for (;;) {
        if (x.empty()) x = a.naechster();
        if (y.empty()) y = b.naechster();
        if (x.empty() || y.empty()) break;
        const std::size_t n = std::min(x.size(), y.size());
        const auto m = std::mismatch(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n), y.begin());
        if (m.first != x.begin() + static_cast<std::ptrdiff_t>(n))
            return pos + static_cast<std::uint64_t>(m.first - x.begin());
        pos += n;
        x = x.subspan(n);
        y = y.subspan(n);
    }
    if (a.fehler() || b.fehler()) return std::nullopt;
    if (a.groesse() != b.groesse()) return std::min(a.groesse(), b.groesse());
    return std::nullopt;
}

}  // namespace zor
