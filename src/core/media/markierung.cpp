#include "core/media/markierung.h"

#include <vector>

namespace zor {

std::uint64_t zeilenAnzahl(Ansicht art, std::uint64_t groesse) {
    const std::uint64_t b = static_cast<std::uint64_t>(bytesProZeile(art));
    return groesse / b + (groesse % b != 0) + 1;
}

int zeilenBreite(Ansicht art, std::uint64_t groesse) {
    const std::uint64_t letzte = (zeilenAnzahl(art, groesse) - 1) * static_cast<std::uint64_t>(bytesProZeile(art));
    const std::vector<unsigned char> voll(static_cast<std::size_t>(bytesProZeile(art)));
    char zeile[ZEILE_MAX];
    return static_cast<int>(snapLine(art, zeile, voll, letzte));
}

}  // namespace zor
