#pragma once
// How the curve documents obtain their curves: by model id and theory/simulation flag,
// only for sets whose cached curve is invalid, timed, with the messages to show after
// painting returned as data.

#include "core/models/fav.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"
#include "core/util/fortschritt.h"

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

// ok is false when a curve could not be computed (and is the empty one).
struct Kurvenbericht {
    bool ok = true;
    std::vector<Meldung> meldungen;     // method warnings and file problems, in order
    std::optional<Meldung> rechenzeit;  // the computing-time report, when due
    explicit operator bool() const { return ok; }
};

// The FAV curve of set `satz` (0 or 1) into `ziel`, whose size is the number of points.
// An inactive set leaves `ziel` as it is. A file problem comes back as the failure.
// With k, a sampled curve's confidence band (an empty one for a formula).
Ergebnis FAV_Satz(const ZorState& s, int satz, Kurve ziel, Fortschritt& f, Konfidenz* k = nullptr);

// The FKF curve of set `satz` into `ziel` (D + 1 points) by the given method; method
// warnings and file problems come back as messages. k as for FAV_Satz.
Kurvenbericht FKF_Satz(const ZorState& s, int satz, Kurve ziel, int erneuernd, Fortschritt& f,
                       Konfidenz* k = nullptr);

// Computes each set whose FAV.ermittelt flag is clear into ptFAV1/ptFAV2 with
// FAV_defbereich points and its band into konfidenzFAV, stores the milliseconds in
// FAV_uhr1/FAV_uhr2 and sets the flag. The time report is due when FAV_uhr is set and a
// flag was clear.
Kurvenbericht FAV_Ermitteln(ZorState& s, Fortschritt& f);

// The same for FKF (FKF_defbereich, FKF_erneuernd, ptFKF1/ptFKF2, konfidenzFKF,
// FKF_uhr1/FKF_uhr2), followed by the correlation duration of each recomputed set.
Kurvenbericht FKF_Ermitteln(ZorState& s, Fortschritt& f);

// The point probabilities of both sets' cached curves (ptFAVa1/ptFAVa2).
void FAV_PunkteAbleiten(ZorState& s);

}  // namespace zor
