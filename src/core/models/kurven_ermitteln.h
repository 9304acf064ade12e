#pragma once
// The curves of one parameter set as values (FAV_Satz, FKF_Satz), and how the documents'
// cached curves in the state are brought up to date from them: only for sets whose cache
// is stale, timed, with the messages to show after painting returned as data.

#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/models/konfidenz_werte.h"
#include "core/models/satzparameter.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"
#include "core/util/fortschritt.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor {

inline constexpr const char* FKF_WARNUNG_GE =
    "Das ausgewählte Berechnungsverfahren ist für das Gilbert-Elliott-Modell ungeeignet!";
inline constexpr const char* FKF_WARNUNG_MC = "Das ausgewählte Berechnungsverfahren ist für das\nMc Cullough-Modell ungeeignet!";
inline constexpr const char* FKF_WARNUNG_DATEI =
    "Die Richtigkeit des Berechnungsverfahrens ist für die Fehlerfolge aus einer Datei nicht gewährleistet!";
inline constexpr const char* FAV_RECHENZEIT_TITEL = "Rechenzeit Fehlerabstandsverteilung";
inline constexpr const char* FKF_RECHENZEIT_TITEL_ALLGEMEIN = "Rechenzeit FKF (allgemeine Berechnung)";
inline constexpr const char* FKF_RECHENZEIT_TITEL_ERNEUERND = "Rechenzeit FKF (aus FAV ermittelt)";

// What one set's curve computation gives. An inactive set gives no points (and the cache
// keeps what it had); a failed file source gives the empty curve and ok = false.
struct Satzkurve {
    std::vector<STRUCT_PUNKT> kurve;
    bool ok = true;
    std::vector<Meldung> meldungen;  // method warnings and file problems, in order
    std::uint32_t ms = 0;            // computing time
    bool abgebrochen = false;        // the job was cancelled: the curve is incomplete
    Konfidenz konfidenz;             // a sampled curve's band (none for a formula)
};

// P(a >= k), k = 1..punkte.
struct FavErgebnis : Satzkurve {};

// R(k), k = 0..D, and the correlation duration derived from it (0 when the band shows no
// decay out of the noise).
struct FkfErgebnis : Satzkurve {
    Korrelationswerte dauer;
};

// The FAV curve of one set with `punkte` points (1..100).
FavErgebnis FAV_Satz(const Satzparameter& p, int punkte, Fortschritt& f);

// The FKF curve of one set, lags 0..D (D <= 100), by the general (erneuernd = 0) or the
// renewal method; the method warnings of that method come back as messages.
FkfErgebnis FKF_Satz(const Satzparameter& p, int D, int erneuernd, Fortschritt& f);

// ok is false when a curve could not be computed (and is the empty one).
struct [[nodiscard]] Kurvenbericht {
    bool ok = true;
    std::vector<Meldung> meldungen;     // method warnings and file problems, in order
    std::optional<Meldung> rechenzeit;  // the computing-time report, when due
    explicit operator bool() const { return ok; }
};

// What a document must compute to bring the cached curves of one kind up to date: the
// sets whose cache is stale, as values, and how. Taken on the owner's thread; the
// computation (berechnen) may then run on any thread; eintragen runs on the owner's again.
struct FavAuftrag {
    std::array<std::optional<Satzparameter>, 2> saetze;
    int punkte = 0;
    bool rechenzeitFaellig = false;
    bool operator==(const FavAuftrag&) const = default;
};
struct FkfAuftrag {
    std::array<std::optional<Satzparameter>, 2> saetze;
    int D = 0;
    int erneuernd = 0;
    bool rechenzeitFaellig = false;
    bool operator==(const FkfAuftrag&) const = default;
};
using FavErgebnisse = std::array<std::optional<FavErgebnis>, 2>;
using FkfErgebnisse = std::array<std::optional<FkfErgebnis>, 2>;

FavAuftrag favAuftrag(const ZorState& s);
FkfAuftrag fkfAuftrag(const ZorState& s);
FavErgebnisse berechnen(const FavAuftrag& a, Fortschritt& f);
FkfErgebnisse berechnen(const FkfAuftrag& a, Fortschritt& f);

// Stores each result into the set's cache (ptFAV/ptFKF, band, time, correlation duration) and
// marks it valid, but only while the set and the options are still those of the order:
// a result for parameters changed meanwhile, or cancelled, is dropped and the set stays
// stale.
Kurvenbericht eintragen(ZorState& s, const FavAuftrag& a, const FavErgebnisse& e);
Kurvenbericht eintragen(ZorState& s, const FkfAuftrag& a, const FkfErgebnisse& e);

// Order, computation and storing in one go, on the calling thread.
Kurvenbericht FAV_Ermitteln(ZorState& s, Fortschritt& f);
Kurvenbericht FKF_Ermitteln(ZorState& s, Fortschritt& f);

// The point probabilities of both sets' cached curves (ptFAVa1/ptFAVa2).
void FAV_PunkteAbleiten(ZorState& s);

}  // namespace zor
