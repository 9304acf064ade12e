// Which channel-model commands are offered and checked in a state, and what the options
// dialogs offer and leave behind: the rules the program applies to its menus, as tables.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/documents/anordnung.h"
#include "core/documents/befehlszustand.h"
#include "core/documents/optionsregeln.h"

using namespace zor;

namespace {

const char* name(Modellart a) {
    switch (a) {
    case Modellart::Inaktiv: return "inaktiv";
    case Modellart::BSC: return "BSC";
    case Modellart::GE: return "GE";
    case Modellart::MC: return "MC";
    case Modellart::SW: return "SW";
    default: return "Datei";
    }
}

// The offered commands by name, the open documents by letter, the checked model items.
std::string alsText(const Befehlszustand& b, std::string_view reihe) {
    std::string t;
    const std::pair<bool, const char*> flags[] = {
        {b.aktualisieren, "aktualisieren"}, {b.alleOeffnen, "alle"},
        {b.fensterBefehle, "fenster"},      {b.drucken, "drucken"},
        {b.speichern[0], "speichern1"},     {b.speichern[1], "speichern2"},
        {b.multimedia, "multimedia"},
    };
    for (const auto& [an, n] : flags)
        if (an) t += std::string(t.empty() ? "" : " ") + n;
    t += " | ";
    for (std::size_t i = 0; i < reihe.size(); ++i) t += b.offen[i] ? reihe[i] : '-';
    return t + " | " + name(b.haken[0]) + " " + name(b.haken[1]);
}

// Documents open as the arrangement leaves them.
void offen(ZorState& s, std::string_view buchstaben, std::string_view reihe = VIER_DOKUMENTE) {
    for (char z : buchstaben) {
        FensterInit(s, reihe);
        offenFlag(s, z) = 1;
    }
}

struct Fall {
    const char* name;
    std::function<void(ZorState&)> aendern;
    std::string erwartet;
};

class Befehle : public testing::TestWithParam<Fall> {};

TEST_P(Befehle, FolgenDemZustand) {
    ZorState s = startZustand();
    GetParam().aendern(s);
    EXPECT_EQ(alsText(befehlszustand(s, VIER_DOKUMENTE), VIER_DOKUMENTE), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Befehle,
    testing::Values(
        Fall{"Start", [](ZorState&) {}, "alle speichern1 multimedia | ---- | BSC inaktiv"},
        Fall{"EinDokumentAktuell", [](ZorState& s) { offen(s, "f"); },
             "alle fenster drucken speichern1 | f--- | BSC inaktiv"},
        Fall{"GeaendertMitDokument",
             [](ZorState& s) {
                 offen(s, "v");
                 s.Fenster.aktualisiert = 0;
             },
             "aktualisieren alle fenster drucken speichern1 | --v- | BSC inaktiv"},
        // Without documents a change has nothing to refresh.
        Fall{"GeaendertOhneDokument", [](ZorState& s) { s.Fenster.aktualisiert = 0; },
             "alle speichern1 multimedia | ---- | BSC inaktiv"},
        Fall{"AlleVierOffen", [](ZorState& s) { offen(s, "fkvp"); }, "fenster drucken speichern1 | fkvp | BSC inaktiv"},
        // A theory or a file has no sequence of its own to save.
        Fall{"Satz1Theoretisch", [](ZorState& s) { s.Modell.sim1 = 0; }, "alle multimedia | ---- | BSC inaktiv"},
        Fall{"Satz1AusDatei", [](ZorState& s) { s.Modell.M1 = DATEI1; }, "alle multimedia | ---- | Datei inaktiv"},
        Fall{"Satz2SimuliertesSW", [](ZorState& s) { s.Modell.M2 = SW2; },
             "alle speichern1 speichern2 multimedia | ---- | BSC SW"},
        Fall{"BeideInaktivMitDokument",
             [](ZorState& s) {
                 offen(s, "p");
                 s.Modell.M1 = INAKTIV;
                 s.Modell.inaktiv = 1;
             },
             "alle fenster | ---p | inaktiv inaktiv"}),
    [](const testing::TestParamInfo<Fall>& i) { return std::string(i.param.name); });

// A fifth kind of document counts for the mode switch and "Alle" like the four.
TEST(Befehle, FuenfterDokumenttyp) {
    ZorState s = startZustand();
    offen(s, "km", "fkvpm");
    EXPECT_EQ(alsText(befehlszustand(s, "fkvpm"), "fkvpm"), "alle fenster drucken speichern1 | -k--m | BSC inaktiv");
    offen(s, "fvp", "fkvpm");
    EXPECT_FALSE(befehlszustand(s, "fkvpm").alleOeffnen);
}

TEST(Optionen, SteuerelementeFolgenDerWahl) {
    // FAV: abscissa linear?, ordinate linear? -> cursor box, abscissa's end, decades.
    for (bool abszisse : {false, true})
        for (bool ordinate : {false, true}) {
            const Optionsfreigabe f = favFreigabe(abszisse, ordinate);
            EXPECT_EQ(f.cursor, abszisse);
            EXPECT_EQ(f.abszisse, abszisse);
            EXPECT_EQ(f.dekaden, !ordinate);
            const Optionsfreigabe k = fkfFreigabe(ordinate);
            EXPECT_TRUE(k.cursor && k.abszisse);
            EXPECT_EQ(k.dekaden, !ordinate);
        }
}

struct CursorFall {
    const char* name;
    int gezeigt, an, abszisse, offen;
    bool fav, fkf;  // the shown cursor goes
};

class CursorNachOptionen : public testing::TestWithParam<CursorFall> {};

TEST_P(CursorNachOptionen, GehtWennAbgeschaltetOderLogarithmisch) {
    const CursorFall& c = GetParam();
    ZorState s = startZustand();
    s.Cursor = {c.gezeigt, c.gezeigt, c.an, c.an};
    s.FAV_abszisse = c.abszisse;
    s.Fenster.FAV = s.Fenster.FKF = c.offen;
    s.FAV_xpos = 17;
    s.FKF_xpos = 9;
    EXPECT_EQ(nachFavOptionen(s), c.fav);
    EXPECT_EQ(nachFkfOptionen(s), c.fkf);
    EXPECT_EQ(s.FAV_xpos + s.FKF_xpos, 0);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, CursorNachOptionen,
                         testing::Values(CursorFall{"AbgeschaltetUndGezeigt", 1, 0, 1, 1, true, true},
                                         CursorFall{"AnUndLinear", 1, 1, 1, 1, false, false},
                                         CursorFall{"AnAberLogarithmisch", 1, 1, 0, 1, true, false},
                                         CursorFall{"NichtGezeigt", 0, 0, 0, 1, false, false},
                                         CursorFall{"DokumentZu", 1, 0, 0, 0, false, false}),
                         [](const testing::TestParamInfo<CursorFall>& i) { return std::string(i.param.name); });

}  // namespace
