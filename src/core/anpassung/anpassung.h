#pragma once
// Which channel made this error sequence? The four models fitted to one sequence by
// maximum likelihood: parameters with standard errors from the observed information,
// ln L of the same bits for every model, AIC, BIC, the Kolmogorov-Smirnov distance of the
// gap distributions, the deviation of the error-correlation functions, and a ranking by
// BIC that names GE and MC fits equivalent when they describe the same gap law.
// Each model is fitted exactly as this program's generators produce it (state changes,
// start states), so a simulated set's parameters are recovered.

#include "core/anpassung/abstandsfolge.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"
#include "core/util/fortschritt.h"

#include <optional>
#include <string>
#include <vector>

namespace zor {

inline constexpr const char* TITEL_ANPASSUNG = "Modellanpassung";
inline constexpr const char* TEXT_KEIN_FEHLER =
    "Die Fehlerfolge enthält keinen einzigen Fehler.\n"
    "Ohne Fehler lässt sich kein Modell anpassen: Jedes hätte die Fehlerwahrscheinlichkeit 0.";
inline constexpr const char* TEXT_NUR_FEHLER =
    "Die Fehlerfolge besteht nur aus Fehlern.\n"
    "Ohne korrekte Bits lässt sich kein Modell anpassen: Jedes hätte die Fehlerwahrscheinlichkeit 1.";
inline constexpr const char* TEXT_ZU_WENIG_SPEICHER =
    "Für die Modellanpassung dieser Fehlerfolge reicht der Arbeitsspeicher nicht.";
inline constexpr const char* TEXT_ANPASSUNG_ABGEBROCHEN = "Die Modellanpassung wurde abgebrochen.";
inline constexpr const char* TEXT_GLEICHWERTIG =
    "%s und %s beschreiben die Folge gleich gut: Das GE-Modell hat ein äquivalentes MC-Modell "
    "mit demselben Fehlerabstandsgesetz, die Folge kann zwischen beiden nicht entscheiden.";

struct Schaetzwert {
    std::string name;  // as the parameter dialogs label it: "p(B|G)", "qG", "pZ1"
    double wert = 0;
    std::optional<double> standardfehler;  // none when the data do not determine it
    bool amRand = false;                   // estimated as exactly 0 or 1: no standard error
};

struct Modellanpassung {
    Modellart art = Modellart::BSC;
    std::vector<Schaetzwert> parameter;
    int freieParameter = 0;
    double lnL = 0, AIC = 0, BIC = 0;
    double KS = 0;                         // max |P(a >= k) of the sequence - of the model|
    std::optional<double> fkfAbweichung;   // RMS of (R_folge - R_modell) / R_modell, k = 1..lags
    bool konvergiert = false;
    int iterationen = 0;
    int rang = 0;                          // 1 = best BIC; equivalent fits share a rank
    std::optional<Modellart> gleichwertig; // the model this fit is equivalent to
    ModellWerte werte{};                   // the model's parameter array (BSC: p at index 0)
    std::vector<STRUCT_PUNKT> fav, fkf;    // P(a >= k), k = 1..punkte; R(k), k = 0..lags
};

struct Anpassungsoptionen {
    std::vector<Modellart> modelle{Modellart::BSC, Modellart::GE, Modellart::MC, Modellart::SW};
    int lags = 50;    // D of the correlation functions, 1..100
    int punkte = 50;  // points of the gap distributions, 1..100
};

struct Anpassung {
    bool ok = false;
    bool abgebrochen = false;
    Meldung meldung;  // why not ok
    std::uint64_t bits = 0, fehler = 0, rest = 0;
    std::vector<Modellanpassung> modelle;  // by rank
    std::vector<STRUCT_PUNKT> fav, fkf;    // the sequence's own curves
    std::vector<std::string> hinweise;     // equivalences
};

// Fits the chosen models to the sequence, with progress; stops early when the progress
// reports that the user cancelled.
Anpassung anpassen(const Abstandsfolge& folge, const Anpassungsoptionen& o, Fortschritt& f);

// The short name of a model kind: "BSC", "GE", "MC", "SW".
const char* modellname(Modellart art);

// Set `satz` (0 or 1) becomes the fitted model, simulated, with its set's seed and length.
void inParametersatz(ZorState& s, int satz, const Modellanpassung& m);

}  // namespace zor
