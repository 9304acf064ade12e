#include "core/buendel/grenzen.h"

#include "core/util/format.h"
#include "core/util/zahlpruefung.h"

namespace zor {

std::optional<std::uint64_t> ganzeZahlIn(std::string_view text, const Grenze& g) {
    const auto v = ganzeZahl(text);
    if (!v || *v < g.von || *v > g.bis) return std::nullopt;
    return v;
}

std::string grenzText(const Grenze& g, std::string_view text) {
    return format("Eingabefehler bei %s (\"%.*s\"): erlaubt sind ganze Zahlen von %llu bis %llu.", g.name,
                  static_cast<int>(text.size()), text.data(), static_cast<unsigned long long>(g.von),
                  static_cast<unsigned long long>(g.bis));
}

}  // namespace zor
