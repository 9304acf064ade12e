#include "app/dialogs/parametervorlagen.h"

namespace zor::app {
namespace {

// Labels as the dialog templates have them, blanks included.
constexpr const char* STARTWERT = "Startwert Zufallsgenerator SWZ =";
constexpr const char* DURCHLAEUFE = "Durchläufe bei Simulation      N =";
constexpr const char* DURCHLAEUFE_MC = "Durchläufe bei Simulation       N =";
constexpr const char* GOOD = "Zustand 'GOOD' =";
constexpr const char* BAD = "Zustand 'BAD'     =";

// The diagram part of each parameter template, in its logical units.
constexpr LRechteck KANAL{-8300, 5500, 8300, -1300};
constexpr LRechteck ZWEI_ZUSTAENDE{-9900, 5300, 9900, -1900};
constexpr LRechteck DREI_ZUSTAENDE{-8000, 5400, 8000, -2400};

const std::vector<Parametervorlage>& vorlagen() {
    using R = Rahmen;
    static const std::vector<Parametervorlage> v = {
        {Modellart::BSC, DLG_BSC, "BSC-Modell",
         {{ID_STARTWERT, STARTWERT, bsc::Startwert, R::Keiner},
          {ID_DURCHLAEUFE, DURCHLAEUFE, bsc::Durchlaeufe, R::Keiner},
          {ID_P, "Fehlerwahrscheinlichkeit      p =", bsc::p, R::Keiner}},
         true, false, {"BSC_PAR.PLT", KANAL}},
        {Modellart::GE, DLG_GE, "Gilbert-Elliott-Modell",
         {{ID_STARTWERT, STARTWERT, gemc::Startwert, R::Keiner},
          {ID_DURCHLAEUFE, DURCHLAEUFE, gemc::Durchlaeufe, R::Keiner},
          {ID_GOOD_FROM_BAD, "p(G|B)         =", gemc::Good_From_Bad, R::Uebergaenge},
          {ID_BAD_FROM_GOOD, "p(B|G)         =", gemc::Bad_From_Good, R::Uebergaenge},
          {ID_GOOD, GOOD, gemc::Good, R::Fehler},
          {ID_BAD, BAD, gemc::Bad, R::Fehler}},
         false, true, {"GE_PAR.PLT", ZWEI_ZUSTAENDE}},
        {Modellart::MC, DLG_MC, "Mc Cullough-Modell",
         {{ID_STARTWERT, STARTWERT, gemc::Startwert, R::Keiner},
          {ID_DURCHLAEUFE, DURCHLAEUFE_MC, gemc::Durchlaeufe, R::Keiner},
          {ID_GOOD_FROM_BAD, "q(G|B)          =", gemc::Good_From_Bad, R::Uebergaenge},
          {ID_BAD_FROM_GOOD, "q(B|G)         =", gemc::Bad_From_Good, R::Uebergaenge},
          {ID_GOOD, GOOD, gemc::Good, R::Fehler},
          {ID_BAD, BAD, gemc::Bad, R::Fehler}},
         false, false, {"MC_PAR.PLT", ZWEI_ZUSTAENDE}},
        {Modellart::SW, DLG_SW, "SW-Modell",
         {{ID_STARTWERT, STARTWERT, sw::Startwert, R::Keiner},
          {ID_DURCHLAEUFE, DURCHLAEUFE, sw::Durchlaeufe, R::Keiner},
          {ID_PZ1, "pZ1 =", sw::pZ1, R::Zustaende},
          {ID_PZ2, "pZ2 =", sw::pZ2, R::Zustaende},
          {ID_PZ3, "pZ3 =", sw::pZ3, R::Zustaende},
          {ID_FEHLER_Z1, "Zustand Z1: e1 =", sw::pFehlerZ1, R::Fehler},
          {ID_FEHLER_Z2, "Zustand Z2: e2 =", sw::pFehlerZ2, R::Fehler},
          {ID_FEHLER_Z3, "Zustand Z3: e3 =", sw::pFehlerZ3, R::Fehler}},
         false, false, {"SW_PAR.PLT", DREI_ZUSTAENDE}},
    };
    return v;
}

}  // namespace

const Parametervorlage& parametervorlage(Modellart art) {
    for (const auto& v : vorlagen())
        if (v.art == art) return v;
    return vorlagen().front();
}

const char* rahmenTitel(Rahmen r) {
    switch (r) {
    case Rahmen::Uebergaenge: return "Übergangswahrscheinlichkeiten:";
    case Rahmen::Zustaende: return "Zustandswahrscheinlichkeiten (nach jedem Fehler):";
    case Rahmen::Fehler: return "Fehlerwahrscheinlichkeiten:";
    case Rahmen::Keiner: break;
    }
    return "";
}

}  // namespace zor::app
