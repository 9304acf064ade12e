#pragma once
// The entries of the burst and block statistics: whole numbers within fixed limits,
// checked alike wherever they are typed (options dialog, command line).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zor {

struct Grenze {
    const char* name;  // as the message names the entry
    std::uint64_t von, bis;
};

inline constexpr Grenze GRENZE_SCHUTZ{"Schutzabstand g", 1, 1000000000};
inline constexpr Grenze GRENZE_PUNKTE{"Anzahl der Werte", 1, 100000};
inline constexpr Grenze GRENZE_BLOCK{"Blocklänge n", 1, 10000};
inline constexpr Grenze GRENZE_FEHLER{"höchste Fehlerzahl M", 0, 10000};
inline constexpr Grenze GRENZE_KORREKTUR{"korrigierbare Fehler t", 0, 10000};
inline constexpr Grenze GRENZE_TIEFE{"Verschachtelungstiefe d", 1, 4096};
inline constexpr Grenze GRENZE_RESTPUNKTE{"Anzahl der Blocklängen", 1, 1000};

// The value of a text that is a whole number within the limits ("1e3" included).
std::optional<std::uint64_t> ganzeZahlIn(std::string_view text, const Grenze& g);

// "Eingabefehler bei Blocklänge n ("x"): erlaubt sind ganze Zahlen von 1 bis 100000."
std::string grenzText(const Grenze& g, std::string_view text);

}  // namespace zor
