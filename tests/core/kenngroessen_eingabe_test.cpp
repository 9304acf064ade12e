// Entering GE and MC by quantities: the stored set gives the targets back, and a refusal
// names exactly the values the edited field may take.

#include "core/models/kenngroessen.h"
#include "core/models/kenngroessen_eingabe.h"

#include "testnamen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

using namespace zor;

namespace {

double& feldVon(Zielwerte& z, Zielfeld f) {
    double* felder[] = {&z.fehlerwahrscheinlichkeit, &z.buendellaenge, &z.fehlerBad, &z.fehlerGood};
    return *felder[static_cast<int>(f)];
}

struct Fall {
    const char* name;
    Modellart art;
};

class ZielwerteJeModell : public ::testing::TestWithParam<Fall> {};

// A grid of targets up to the edge of what can be met: the transitions, stored in single
// precision as the dialog stores them, give mean error probability and burst length back.
TEST_P(ZielwerteJeModell, DerivedQuantitiesGiveTheTargetsBack) {
    const Modellart art = GetParam().art;
    int faelle = 0;
    for (double eB : {0.05, 0.4, 1.0})
        for (double eG : {0.0, 1e-4, 0.01})
            for (double L : {1.0, 2.5, 10.0, 1000.0})
                for (double t : {1e-3, 0.3, 0.999, 1.0}) {
                    Zielwerte z{0, L, eB, eG};
                    const Zielbereich b = zielbereich(art, z, Zielfeld::Fehlerwahrscheinlichkeit);
                    if (b.leer) continue;  // MC: no error-free GOOD, no stay in BAD shorter than 1/eB
                    z.fehlerwahrscheinlichkeit = t == 1.0 ? b.bis : b.von + t * (b.bis - b.von);
                    SCOPED_TRACE(testing::Message() << "pm " << z.fehlerwahrscheinlichkeit << " L " << L << " eB " << eB
                                                    << " eG " << eG);
                    const Zielergebnis e = uebergaengeAusZielen(art, z, Zielfeld::Fehlerwahrscheinlichkeit);
                    ASSERT_TRUE(e) << e.meldung;
                    ModellWerte w = startZustand().GEWert1;
                    zieleEintragen(w, z, *e.uebergaenge);
                    const auto k = *kenngroessen(art, w, 50);
                    EXPECT_NEAR(k.fehlerwahrscheinlichkeit / z.fehlerwahrscheinlichkeit, 1.0, 1e-6);
                    EXPECT_NEAR(k.buendellaenge / L, 1.0, 1e-6);
                    ++faelle;
                }
    EXPECT_GE(faelle, 60);
}

// Just inside each field's range the transitions are probabilities, just outside they
// are not, by the plain formulas, without the range's algebra.
TEST_P(ZielwerteJeModell, RangesEndWhereTheTransitionsStopBeingProbabilities) {
    const bool ge = GetParam().art == Modellart::GE;
    const auto gueltig = [&](const Zielwerte& z) {
        const double pm = z.fehlerwahrscheinlichkeit, L = z.buendellaenge, eB = z.fehlerBad, eG = z.fehlerGood;
        if (!(pm < eB) || (ge ? !(pm > eG) : !(pm >= eG && eG > 0))) return false;
        const double mB = (pm - eG) / (eB - eG), gb = ge ? 1 / L : 1 / (eB * L);
        const double bg = ge ? gb * mB / (1 - mB) : mB / ((1 - mB) * eG * L);
        return gb <= 1 && bg <= 1;
    };
    for (Zielfeld f : {Zielfeld::Fehlerwahrscheinlichkeit, Zielfeld::Buendellaenge, Zielfeld::FehlerBad, Zielfeld::FehlerGood}) {
        Zielwerte z{0.05, 8, 0.5, 0.01};
        const Zielbereich b = zielbereich(GetParam().art, z, f);
        SCOPED_TRACE(zielfeldName(f));
        ASSERT_FALSE(b.leer);
        for (double rand : {b.von, b.bis})
            for (double schritt : {-1e-9, 1e-9}) {
                feldVon(z, f) = rand + schritt * std::max(1.0, rand);
                if (std::isinf(rand) || feldVon(z, f) < 0 || (f != Zielfeld::Buendellaenge && feldVon(z, f) > 1)) continue;
                const bool innen = feldVon(z, f) >= b.von && feldVon(z, f) <= b.bis;
                EXPECT_EQ(gueltig(z), innen) << feldVon(z, f);
                EXPECT_EQ(static_cast<bool>(uebergaengeAusZielen(GetParam().art, z, f)), innen) << feldVon(z, f);
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Modelle, ZielwerteJeModell, ::testing::Values(Fall{"GE", Modellart::GE}, Fall{"MC", Modellart::MC}),
                         testnamen::NachName{});

// Each refusal as the dialog shows it: typed texts, the edited field, the message's text.
TEST(Zielwerte, RefusalNamesTheRangeOfTheEditedField) {
    struct Eingabe {
        Modellart art;
        std::array<std::string, 4> texte;  // pm, L, eB, eG
        Zielfeld feld;
        const char* meldung;
    };
    using enum Zielfeld;
    const Eingabe faelle[] = {
        // pm up to 10 * 0.4 / 11 = 0.363636..., rounded inwards so that the shown number is accepted.
        {Modellart::GE, {"0.5", "10", "0.4", "0"}, Fehlerwahrscheinlichkeit,
         "Mögliche Werte für die mittlere Fehlerwahrscheinlichkeit bei den übrigen Angaben: größer als 0 und höchstens 0.3636363."},
        {Modellart::GE, {"0.3636363", "10", "0.4", "0"}, Fehlerwahrscheinlichkeit, ""},
        // No burst length makes pm > eB possible.
        {Modellart::GE, {"0.5", "10", "0.4", "0"}, Buendellaenge, "ist für die mittlere Bündellänge (Verweildauer in BAD) kein Wert möglich"},
        // MC leaves BAD after 1 / (eB q(G|B)) bits, so q(G|B) <= 1 needs bursts of 2.5 bits.
        {Modellart::MC, {"0.011", "2", "0.4", "0.01"}, Buendellaenge,
         "Mögliche Werte für die mittlere Bündellänge (Verweildauer in BAD) bei den übrigen Angaben: mindestens 2.5 Bit."},
        // 0.05 / (1 + 10 * 0.35) rounded up.
        {Modellart::MC, {"0.05", "10", "0.4", "0.06"}, FehlerGood, "GOOD bei den übrigen Angaben: mindestens 0.01111112 und höchstens 0.05."},
        // A comma in the edited field still names its range; elsewhere, that field.
        {Modellart::GE, {"0,05", "10", "0.4", "0"}, Fehlerwahrscheinlichkeit, "Mögliche Werte für die mittlere Fehlerwahrscheinlichkeit"},
        {Modellart::GE, {"0.05", "zehn", "0.4", "0"}, Fehlerwahrscheinlichkeit, "Unzulässige Eingabe für die mittlere Bündellänge"},
    };
    for (const auto& f : faelle) {
        const auto e = uebergaengeAusZieltexten(f.art, f.texte, f.feld);
        EXPECT_EQ(static_cast<bool>(e), *f.meldung == 0) << f.texte[0] << " " << f.texte[1] << ": " << e.meldung;
        EXPECT_NE(e.meldung.find(f.meldung), std::string::npos) << e.meldung;
    }
}

}  // namespace
