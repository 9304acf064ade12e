#pragma once
// The channel-model state: model choice, parameter arrays, file sources, document
// flags, curve caches, colours and options. One aggregate, owned by whoever runs the
// channel-model mode (the frame, a CLI command, a test) and passed by reference.

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <type_traits>

#include "core/models/konfidenz_werte.h"
#include "core/util/farben.h"

namespace zor {

// Model ids: set 1 uses 0..5, set 2 uses 0 and 6..10.
enum ModellId : std::int16_t {
    INAKTIV = 0,
    BSC1 = 1, GE1 = 2, MC1 = 3, SW1 = 4, DATEI1 = 5,
    BSC2 = 6, GE2 = 7, MC2 = 8, SW2 = 9, DATEI2 = 10,
};

// The model kind behind an id, independent of the set.
enum class Modellart { Inaktiv, BSC, GE, MC, SW, Datei };

Modellart modellart(int id);
// 0 for set 1 (ids 1..5), 1 for set 2 (ids 6..10); inactive counts as set 1.
int satzVon(int id);
// The id of a model kind in set 0 (set 1) or 1 (set 2).
int modellId(Modellart art, int satz);

struct STRUCT_MODELL {
    std::int16_t M1 = 0;
    std::int16_t M2 = 0;
    int AB = 0;
    int inaktiv = 0;
    int dialog_init = 0;
    int dialog_exit = 0;
    int sim1 = 0;
    int sim2 = 0;
};

// File source of a set.
struct STRUCT_DATEI {
    int datei = 0;                 // 1 = FFO, 0 = FAB
    std::int64_t laenge = 0;       // length in bytes when chosen (files may pass 2 GiB)
    std::string szFileName;        // full path
    bool operator==(const STRUCT_DATEI&) const = default;
};

struct STRUCT_FENSTER {
    int FF = 0, FKF = 0, FAV = 0, PAR = 0;
    int init = 0;
    int alle = 0;
    int null = 0;
    int aktualisiert = 0;
    std::int16_t aktuell = 0;
    std::int16_t neu = 0;
};

struct STRUCT_CURSOR {
    int FKF = 0, FAV = 0;
    int FKFon = 0, FAVon = 0;
};

struct STRUCT_TOCHTER {
    char ort = 0;
    int ermittelt1 = 0;
    int ermittelt2 = 0;
    int ordinate = 0;
};

struct STRUCT_PUNKT {
    float x = 0.0f;
    float y = 0.0f;
};


// Parameter array indices.
namespace bsc { enum : int { p = 0, Startwert = 1, Durchlaeufe = 2 }; }
namespace gemc {
enum : int {
    Startwert = 0, Durchlaeufe = 1, Good_From_Good = 2, Bad_From_Bad = 3,
    Good_From_Bad = 4, Bad_From_Good = 5, Good = 6, Bad = 7,
};
}
namespace sw {
enum : int {
    Startwert = 0, Durchlaeufe = 1, pZ3 = 2, pZ1 = 3, pZ2 = 4,
    pFehlerZ1 = 5, pFehlerZ2 = 6, pFehlerZ3 = 7,
};
}

// Where a model's parameter array keeps its number of simulated bits.
int durchlaeufeIndex(Modellart art);

// The exact numbers of simulated bits of one set, one per model: the arrays keep
// Durchlaeufe in single precision, which holds whole numbers exactly only up to 2^24.
struct Bitzahlen {
    std::uint64_t BSC = 0, GE = 0, MC = 0, SW = 0;
};


using BscWerte = std::array<float, 3>;
using ModellWerte = std::array<float, 8>;

constexpr int FAV_PUNKTE = 100;
constexpr int FKF_PUNKTE = 101;

struct ZorState {
    STRUCT_MODELL Modell;
    BscWerte BSCWert1{}, BSCWert2{};
    ModellWerte GEWert1{}, GEWert2{};
    ModellWerte MCWert1{}, MCWert2{};
    ModellWerte SWWert1{}, SWWert2{};
    STRUCT_DATEI Datei1, Datei2;
    Bitzahlen N1, N2;  // beside the arrays; set through durchlaeufeSetzen

    int BSC_simfabs1 = 0, BSC_simfabs2 = 0;
    int GE_sim1 = 0, GE_sim2 = 0;
    int MC_sim1 = 0, MC_sim2 = 0;
    int gemc1 = 0, gemc2 = 0;

    STRUCT_FENSTER Fenster;
    STRUCT_CURSOR Cursor;
    STRUCT_TOCHTER FF, FKF, FAV, PAR;
    // Channel-model documents beyond those four, by their letter: open flag and record.
    std::map<char, std::pair<int, STRUCT_TOCHTER>> weitereDokumente;

    std::array<STRUCT_PUNKT, FAV_PUNKTE> ptFAV1{}, ptFAV2{};
    std::array<STRUCT_PUNKT, FAV_PUNKTE> ptFAVa1{}, ptFAVa2{};
    std::array<STRUCT_PUNKT, FKF_PUNKTE> ptFKF1{}, ptFKF2{};
    // The confidence of each set's sampled curve, beside its cache (none for a formula).
    Konfidenz konfidenzFAV1, konfidenzFAV2, konfidenzFKF1, konfidenzFKF2;

    std::array<farben, 7> farbe{};

    // Options of the curve documents and computing times.
    int FAV_defbereich = 0;
    int FAV_uhr = 0;
    std::uint32_t FAV_uhr1 = 0, FAV_uhr2 = 0;
    int FAV_abszisse = 0;            // 1 linear, 0 logarithmic
    int FAV_xlindef = 0;             // end of the linear abscissa
    int FAV_xnorm = 0;               // logical units per point
    float FAV_wertneg = 0, FAV_wertpos = 0;  // ends of the logarithmic ordinate
    int FAV_ynorm_log = 0;           // logical units per decade
    int FAV_xpos = 0;                // cursor position
    int FKF_defbereich = 0;
    int FKF_erneuernd = 0;
    int FKF_uhr = 0;
    std::uint32_t FKF_uhr1 = 0, FKF_uhr2 = 0;
    int FKF_xnorm = 0;
    float FKF_wertneg = 0, FKF_wertpos = 0;
    int FKF_ynorm_log = 0;
    int FKF_xpos = 0;
    // "Konfidenzband anzeigen": the sampled curves' bands, the cursor's half-widths and
    // the hints that go with them.
    int FAV_band = 0, FKF_band = 0;
    float zaehler1 = 0, zaehler2 = 0, nenner1 = 0, nenner2 = 0, DK1 = 0, DK2 = 0;
};

// Writes the start values; everything not listed there is 0.
void InitVar(ZorState& s);

// A state with its start values, for callers that do not own a frame.
ZorState startZustand();

// One set's fields of the state, by reference: set 1 keeps them in the fields ending in 1
// (M1, BSCWert1, ptFAV1, FAV.ermittelt1, ...), set 2 in those ending in 2. S is ZorState
// or const ZorState, and the view is as writable as S.
template <class S>
struct Satzsicht {
    template <class T>
    using R = std::conditional_t<std::is_const_v<S>, const T&, T&>;
    R<std::int16_t> M;
    R<int> sim, BSC_simfabs, GE_sim, MC_sim, gemc;
    R<BscWerte> BSCWert;
    R<ModellWerte> GEWert, MCWert, SWWert;
    R<STRUCT_DATEI> Datei;
    R<Bitzahlen> N;
    R<int> FAV_ermittelt, FKF_ermittelt;
    R<std::uint32_t> FAV_uhr, FKF_uhr;
    R<std::array<STRUCT_PUNKT, FAV_PUNKTE>> ptFAV, ptFAVa;
    R<std::array<STRUCT_PUNKT, FKF_PUNKTE>> ptFKF;
    R<float> zaehler, nenner, DK;
    R<Konfidenz> FAV_konfidenz, FKF_konfidenz;
};

// The view of set `satz` (0 = set 1, 1 = set 2).
template <class S>
Satzsicht<S> satzSicht(S& s, int satz) {
    if (satz == 0)
        return {s.Modell.M1, s.Modell.sim1, s.BSC_simfabs1, s.GE_sim1, s.MC_sim1, s.gemc1,
                s.BSCWert1,  s.GEWert1,     s.MCWert1,      s.SWWert1, s.Datei1,  s.N1,
                s.FAV.ermittelt1, s.FKF.ermittelt1, s.FAV_uhr1, s.FKF_uhr1, s.ptFAV1, s.ptFAVa1,
                s.ptFKF1, s.zaehler1, s.nenner1, s.DK1, s.konfidenzFAV1, s.konfidenzFKF1};
    return {s.Modell.M2, s.Modell.sim2, s.BSC_simfabs2, s.GE_sim2, s.MC_sim2, s.gemc2,
            s.BSCWert2,  s.GEWert2,     s.MCWert2,      s.SWWert2, s.Datei2,  s.N2,
            s.FAV.ermittelt2, s.FKF.ermittelt2, s.FAV_uhr2, s.FKF_uhr2, s.ptFAV2, s.ptFAVa2,
            s.ptFKF2, s.zaehler2, s.nenner2, s.DK2, s.konfidenzFAV2, s.konfidenzFKF2};
}

// Single fields of a set, for callers that need only one.
template <class S> auto& modellVon(S& s, int satz) { return satzSicht(s, satz).M; }
template <class S> auto& simVon(S& s, int satz) { return satzSicht(s, satz).sim; }
template <class S> auto& bscSimfabsVon(S& s, int satz) { return satzSicht(s, satz).BSC_simfabs; }
template <class S> auto& bscWerte(S& s, int satz) { return satzSicht(s, satz).BSCWert; }
template <class S> auto& geWerte(S& s, int satz) { return satzSicht(s, satz).GEWert; }
template <class S> auto& mcWerte(S& s, int satz) { return satzSicht(s, satz).MCWert; }
template <class S> auto& swWerte(S& s, int satz) { return satzSicht(s, satz).SWWert; }
// A model's parameter array in a set's view, as a span of its own length; empty for an
// inactive or file set.
template <class V>
auto modellWerte(const V& v, Modellart art) {
    using F = std::remove_reference_t<decltype(v.GEWert[0])>;
    switch (art) {
    case Modellart::BSC: return std::span<F>(v.BSCWert);
    case Modellart::GE: return std::span<F>(v.GEWert);
    case Modellart::MC: return std::span<F>(v.MCWert);
    case Modellart::SW: return std::span<F>(v.SWWert);
    default: return std::span<F>();
    }
}
template <class S> auto& dateiVon(S& s, int satz) { return satzSicht(s, satz).Datei; }

// Sequence length N of a set's current model; 0 for inactive/file. The exact count when
// it belongs to the array's Durchlaeufe (rounds to it), else that float truncated.
std::uint64_t durchlaeufe(const ZorState& s, int satz);
// The same for one model of a set, whichever model is chosen.
std::uint64_t durchlaeufe(const ZorState& s, Modellart art, int satz);

// Sets N of a model in a set: exactly, and rounded into the parameter array.
void durchlaeufeSetzen(ZorState& s, Modellart art, int satz, std::uint64_t n);

// Clears the cached-curve flags of a set in the FKF and FAV records.
void ungueltigMachen(ZorState& s, int satz);

}  // namespace zor
