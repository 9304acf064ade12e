#include "core/dokumente/par_malen.h"

#include "core/dokumente/kennzeilen.h"

namespace zor {
namespace {

double ganz(double v) { return static_cast<double>(static_cast<int>(v)); }

}  // namespace

std::vector<ParBild> PAR_Anordnung(const ZorState& s, int links, int oben, int rechts, int unten) {
    if (s.Modell.inaktiv || (s.Modell.M1 == 0 && s.Modell.M2 == 0)) return {};
    const double W = rechts - links, H = unten - oben;
    const bool breit = !(rechts < 2.8 * unten);
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    a.schriftgrenzen = Schriftgrenzen::fuerDiagramm();
    if (s.Modell.M1 == 0 || s.Modell.M2 == 0) {
        a.viewportX = ganz((breit ? 0.5 : 0.25) * W);
        a.viewportY = ganz(-0.5 * H);
        a.ursprungX = ganz(0.5 * W + links);
        a.ursprungY = ganz(0.5 * H + oben);
        return {{s.Modell.M1 != 0 ? 0 : 1, a}};
    }
    (breit ? a.fensterX : a.fensterY) = 20000;
    a.viewportX = ganz((breit ? 0.5 : 0.3) * W);
    a.viewportY = ganz((breit ? -0.5 : -0.54) * H);
    a.ursprungX = ganz((breit ? 0.25 : 0.5) * W + links);
    a.ursprungY = ganz((breit ? 0.5 : 0.3) * H + oben);
    Abbildung b = a;
    b.ursprungX = ganz((breit ? 0.75 : 0.5) * W + links);
    b.ursprungY = ganz((breit ? 0.5 : 0.75) * H + oben);
    return {{0, a}, {1, b}};
}

int M_PAINT(Canvas& dc, const ZorState& s, int satz, const Vorlagenquelle& q) {
    const bool sim = simVon(s, satz) != 0;
    const char text = static_cast<char>((satz == 0 ? 'a' : 'c') + (sim ? 0 : 1));
    const auto ein = [&](const char* name, std::span<const float> werte, char t) {
        return plotag(dc, q, name, werte, satz, t) == 1 ? 0 : 1;
    };
    int fehlt = 0;
    switch (modellart(modellVon(s, satz))) {
    case Modellart::BSC:
        fehlt = ein("BSC_PAR.PLT", bscWerte(s, satz), text);
        if (sim) fehlt += ein("FFO_FAB.PLT", {}, bscSimfabsVon(s, satz) == 0 ? 'a' : 'b');
        break;
    case Modellart::GE: fehlt = ein("GE_PAR.PLT", geWerte(s, satz), text); break;
    case Modellart::MC: fehlt = ein("MC_PAR.PLT", mcWerte(s, satz), text); break;
    case Modellart::SW: fehlt = ein("SW_PAR.PLT", swWerte(s, satz), text); break;
    case Modellart::Datei: datplot(dc, s, satz); return 0;
    default: return 0;
    }
    PAR_Kenngroessen(dc, s, satz);
    return fehlt;
}

void datplot(Canvas& dc, const ZorState& s, int m) {
    const Schrift vorher = dc.schrift();
    const auto farbeVorher = dc.textfarbe();
    dc.setzeSchrift({Schriftfamilie::Swiss, 2109});
    dc.setzeAusrichtung(Ausrichtung::Mitte);
    dc.setzeTextfarbe(farbeAus(s.farbe[static_cast<std::size_t>(m)]));
    const int a = dc.oberlaenge();
    dc.text({0, static_cast<int>(9000 - 0.4 * a)}, m == 0 ? "Parametersatz 1: Datei" : "Parametersatz 2: Datei");
    dc.setzeSchrift({Schriftfamilie::Swiss, 1887});
    dc.text({0, static_cast<int>(6500 - 0.4 * a)}, dateiVon(s, m).szFileName);
    dc.setzeSchrift({vorher.familie, 1050});
    dc.setzeTextfarbe(farbeVorher);
}

}  // namespace zor
