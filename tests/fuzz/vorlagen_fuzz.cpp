// Arbitrary text as a plot template (a user may put their own in the start folder): the
// interpreter draws what it can, or says "Fehlerhafte Plotdatei!", and never crashes; the
// first byte picks the line rule, the rest is the template with three values for t records.
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/plotag.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    if (n == 0) return 0;
    const auto regel = daten[0] & 1 ? zor::Textregel::Zeilen : zor::Textregel::WieVorlage;
    const std::string_view vorlage(reinterpret_cast<const char*>(daten + 1), n - 1);
    const float werte[] = {0.5f, -1e30f, 12345.0f};
    zor::AufzeichnendeLeinwand leinwand;
    const int ok = zor::plotag(leinwand, vorlage, werte, daten[0] >> 1 & 1, 'a', regel);
    if (ok != 0 && ok != 1) std::abort();
    if (ok == 0) {
        const auto texte = leinwand.texte();
        if (texte.empty() || texte.back() != zor::TEXT_FEHLERHAFTE_PLOTDATEI) std::abort();
    }
    return 0;
}
