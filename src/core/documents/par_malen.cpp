#include "core/documents/par_malen.h"

#include "core/documents/kennzeilen.h"
#include "core/plot/textlage.h"

namespace zor {
namespace {

// Top of the "Parametersatz" headings of the model pictures (their templates' heading line).
constexpr int OBERKANTE_UEBERSCHRIFT = 8000;

double ganz(double v) { return static_cast<double>(static_cast<int>(v)); }

}  // namespace

std::vector<ParBild> PAR_Anordnung(const ZorState& s, int links, int oben, int rechts, int unten) {
    if (s.Modell.inaktiv || (s.Modell.M1 == 0 && s.Modell.M2 == 0)) return {};
    const double W = rechts - links, H = unten - oben;
    const bool breit = !(rechts < 2.8 * unten);
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    // Text scales with the picture in both directions, so the lines keep the layout they
    // were placed for, however narrow or tall the window.
    a.schriftgrenzen = Schriftgrenzen{0, 1e9};
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
    // The heading's top stays level with the model pictures' headings: higher, the second
    // set's heading would cover the first set's last lines when the two stand one above the other.
    const int kopf = OBERKANTE_UEBERSCHRIFT - dc.oberlaenge();
    dc.text({0, kopf}, m == 0 ? "Parametersatz 1: Datei" : "Parametersatz 2: Datei");
    const int zeile = dc.textmass("P").hoehe;
    dc.setzeSchrift({Schriftfamilie::Swiss, 1887});
    const std::string& name = dateiVon(s, m).szFileName;
    dc.text(insFenster(dc, {0, kopf - zeile - dc.oberlaenge() / 2}, name), name);
    dc.setzeSchrift({vorher.familie, 1050});
    dc.setzeTextfarbe(farbeVorher);
}

}  // namespace zor
