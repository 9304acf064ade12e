// What a model fit reads and what it says: the sequence files and a set's simulation as
// gaps, the refusals of files that hold no sequence, sequences that cannot be fitted,
// cancelling, the table and its CSV, and taking a fit over into a parameter set.

#include "anpassungsfaelle.h"
#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/anpassung/anpassung.h"
#include "core/documents/anpassung_tabelle.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/folge_speichern.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <sstream>

using namespace zor;

namespace {

KeinFortschritt still;

using FolgenEingabe = TempVerzeichnis;

// The bits of a comparison file run most significant first; the correct bits after the
// last error are kept, since they belong to the likelihood.
TEST_F(FolgenEingabe, EachFormatGivesTheGapsAndTheTrailingRun) {
    const std::string bytes = zufallsBytes(5000, 42) + std::string(3, '\0');
    const std::string ffo = bitsAlsFfo(bytes);
    const std::vector<std::int32_t> gaps = luecken(ffo);
    const std::uint64_t rest = ffo.size() - ffo.rfind('1') - 1;
    schreiben(pfad("v.vgl"), bytes);
    schreiben(pfad("f.FFO"), ffo + "\r\n");
    schreiben(pfad("g.fab"), fabBytes(gaps));
    for (const auto& [name, erwarteterRest] : {std::pair{"v.vgl", rest}, {"f.FFO", rest}, {"g.fab", std::uint64_t{0}}}) {
        const Folgeneingabe e = folgeLesen(pfad(name), still);
        ASSERT_TRUE(e.ok) << name << ": " << e.meldung.text;
        EXPECT_EQ(std::vector<std::int32_t>(e.folge.abstaende.begin(), e.folge.abstaende.end()), gaps) << name;
        EXPECT_EQ(e.folge.rest, erwarteterRest) << name;
        std::uint64_t summe = e.folge.rest;
        for (const std::uint32_t g : e.folge.abstaende) summe += g;
        EXPECT_EQ(e.folge.bits, summe) << name;
    }
}

TEST_F(FolgenEingabe, FabRecordsBelowOneAreReadAsOneAndNoted) {
    schreiben(pfad("n.FAB"), fabBytes({3, 0, -7, 2}) + "xy");
    const Folgeneingabe e = folgeLesen(pfad("n.FAB"), still);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.folge.abstaende, (std::vector<std::uint32_t>{3, 1, 1, 2}));
    ASSERT_EQ(e.hinweise.size(), 2u);
    EXPECT_NE(e.hinweise[0].find("2 Einträge der FAB-Datei"), std::string::npos);
    EXPECT_NE(e.hinweise[1].find("Die letzten 2 Bytes"), std::string::npos);
}

// Names, empty files, foreign characters and anything but a regular file are refused
// with the reading rules' own messages; nothing is fitted.
TEST_F(FolgenEingabe, FilesThatHoldNoSequenceAreRefused) {
    schreiben(pfad("daten.txt"), "0101");
    schreiben(pfad("leer.FFO"), "");
    schreiben(pfad("falsch.FFO"), "0010x1");
    std::filesystem::create_directory(dir_ / "ordner.FAB");
    ASSERT_EQ(::mkfifo(pfad("rohr.VGL").c_str(), 0600), 0);
    struct Fall {
        std::string name, text;
        bool abgelehnt;
    };
    const Fall faelle[] = {
        {"daten.txt", std::string(TEXT_KEIN_GUELTIGER_DATEINAME) + "\n" + TEXT_KEINE_FOLGENDATEI, true},
        {"leer.FFO", std::string(TEXT_LAENGE_NULL) + "\n" + pfad("leer.FFO"), true},
        {"falsch.FFO",
         "Ungültiges Zeichen an Position 5 der Fehlerfolge " + pfad("falsch.FFO") + " (nur 0 und 1 erlaubt).", false},
        {"ordner.FAB",
         std::string(TEXT_NICHT_GELESEN) + " (" + pfad("ordner.FAB") + ")\nDas ist ein Verzeichnis, keine Datei.",
         false},
        {"rohr.VGL", std::string(TEXT_NICHT_GELESEN) + " (" + pfad("rohr.VGL") + ")\nDas ist keine reguläre Datei.",
         false},
        {"fehlt.FFO", std::string(TEXT_NICHT_GELESEN) + " (" + pfad("fehlt.FFO") + ")", false},
    };
    for (const Fall& f : faelle) {
        const Folgeneingabe e = folgeLesen(pfad(f.name), still);
        EXPECT_FALSE(e.ok) << f.name;
        EXPECT_EQ(e.abgelehnt, f.abgelehnt) << f.name;
        EXPECT_EQ(e.meldung.text.substr(0, f.text.size()), f.text) << f.name;
    }
}

// No error, or no correct bit: a clear message instead of NaN parameters.
TEST(Anpassungsgrenzen, SequencesWithoutErrorsOrWithoutCorrectBitsAreNotFitted) {
    Abstandsfolge ohne;
    ohne.rest = ohne.bits = 1000;
    Abstandsfolge nur;
    nur.abstaende.assign(500, 1);
    nur.bits = 500;
    AufzeichnenderFortschritt f;
    for (const auto& [folge, text] : {std::pair{&ohne, TEXT_KEIN_FEHLER}, {&nur, TEXT_NUR_FEHLER}}) {
        const Anpassung a = anpassen(*folge, {}, f);
        EXPECT_FALSE(a.ok);
        EXPECT_EQ(a.meldung.text, text);
        EXPECT_TRUE(a.modelle.empty());
    }
    EXPECT_EQ(f.starts, 0);
}

// A single error in a long run still gives numbers, never NaN, in the table and the CSV.
TEST(Anpassungsgrenzen, AOneErrorSequenceGivesFiniteNumbers) {
    Abstandsfolge f;
    f.abstaende = {700};
    f.rest = 300;
    f.bits = 1000;
    const Anpassung a = anpassen(f, {}, still);
    ASSERT_TRUE(a.ok);
    for (const Modellanpassung& m : a.modelle) {
        EXPECT_TRUE(std::isfinite(m.lnL)) << modellname(m.art);
        for (const Schaetzwert& s : m.parameter) {
            EXPECT_TRUE(std::isfinite(s.wert)) << s.name;
            EXPECT_TRUE(!s.standardfehler || std::isfinite(*s.standardfehler)) << s.name;
        }
    }
    for (const std::string& text : {anpassungText(a), Anpassung_Csv(a)}) {
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    }
}

struct Abgebrochen final : Fortschritt {
    void start(const std::string&, const std::string&) override {}
    void step(int) override {}
    void end() override {}
    bool abgebrochen() const override { return true; }
};

// Cancelled at once: reading and fitting return at once with the message, nothing kept.
TEST(Anpassungsgrenzen, ACancelledFitReportsItAndKeepsNothing) {
    Abgebrochen abbruch;
    const Folgeneingabe e = folgeVonSatz(satzparameter(zustandFuer(anpassungsfaelle()[2], 1, std::uint64_t{1} << 40), 0), abbruch);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_EQ(e.meldung.text, TEXT_FOLGE_ABGEBROCHEN);
    const Anpassung a = anpassen(simulieren(anpassungsfaelle()[2], 1, 100000), {}, abbruch);
    EXPECT_FALSE(a.ok);
    EXPECT_TRUE(a.abgebrochen);
    EXPECT_EQ(a.meldung.text, TEXT_ANPASSUNG_ABGEBROCHEN);
    EXPECT_TRUE(a.modelle.empty());
}

// Progress: one start and end, steps rising to 100.
TEST(Anpassungsgrenzen, ProgressRisesOnceFromStartToEnd) {
    AufzeichnenderFortschritt f;
    const Anpassung a = anpassen(simulieren(anpassungsfaelle()[6], 1, 200000), {}, f);
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(f.starts, 1);
    EXPECT_EQ(f.enden, 1);
    EXPECT_EQ(f.label, TITEL_ANPASSUNG);
    ASSERT_FALSE(f.schritte.empty());
    EXPECT_TRUE(std::is_sorted(f.schritte.begin(), f.schritte.end()));
    EXPECT_EQ(f.schritte.back(), 100);
}

// The saved sequence of a set and the set's own sequence are the same gaps.
TEST_F(FolgenEingabe, ASetsSequenceIsTheOneItSaves) {
    for (const Anpassungsfall& fall : anpassungsfaelle()) {
        const ZorState s = zustandFuer(fall, 77, 30000);
        ASSERT_TRUE(SaveFolge(s, 0, TYP_FFO, pfad("s.FFO"), still)) << fall.name;
        const Folgeneingabe datei = folgeLesen(pfad("s.FFO"), still);
        const Folgeneingabe satz = folgeVonSatz(satzparameter(s, 0), still);
        ASSERT_TRUE(datei.ok && satz.ok) << fall.name;
        EXPECT_EQ(satz.folge.bits, 30000u) << fall.name;
        if (fall.art == Modellart::SW) continue;  // saving starts SW from SW_Startzustand
        EXPECT_EQ(satz.folge.abstaende, datei.folge.abstaende) << fall.name;
        EXPECT_EQ(satz.folge.rest, datei.folge.rest) << fall.name;
    }
    ZorState inaktiv = startZustand();
    inaktiv.Modell.M2 = INAKTIV;
    const Folgeneingabe e = folgeVonSatz(satzparameter(inaktiv, 1), still);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung.text, "Parametersatz 2 ist inaktiv: Es gibt keine Fehlerfolge anzupassen.");
}

const Anpassung& geAnpassung() {
    static const Anpassung a = anpassen(simulieren(anpassungsfaelle()[2], 9, 300000), {}, still);
    return a;
}

// One CSV line per model and parameter, in rank order, numbers as the fit holds them.
TEST(Anpassungstabelle, CsvHasOneLinePerParameter) {
    const Anpassung& a = geAnpassung();
    std::istringstream in(Anpassung_Csv(a));
    std::string zeile;
    std::getline(in, zeile);
    EXPECT_EQ(zeile, "Rang,Modell,Parameter,Wert,Standardfehler,lnL,AIC,BIC,KS,FKF_Abweichung,konvergiert,gleichwertig");
    std::size_t n = 0;
    for (const Modellanpassung& m : a.modelle)
        for (const Schaetzwert& s : m.parameter) {
            ASSERT_TRUE(std::getline(in, zeile));
            std::vector<std::string> z;
            std::stringstream teile(zeile);
            for (std::string t; std::getline(teile, t, ',');) z.push_back(t);
            ASSERT_GE(z.size(), 11u) << zeile;
            EXPECT_EQ(z[1], modellname(m.art));
            EXPECT_EQ(z[2], s.name);
            EXPECT_EQ(std::stod(z[3]), std::stod(kurvenzahl(s.wert)));
            EXPECT_EQ(std::stod(z[7]), std::stod(kurvenzahl(m.BIC)));
            ++n;
        }
    EXPECT_FALSE(std::getline(in, zeile));
    EXPECT_EQ(n, 4u + 4u + 6u + 1u);
}

TEST(Anpassungstabelle, TextNamesEquivalenceAndMissingStandardErrors) {
    Schaetzwert s{"pZ1", 0.25, std::nullopt, false};
    EXPECT_EQ(schaetzwertText(s), "pZ1 = 0.25 ± nicht bestimmbar");
    s.amRand = true;
    s.wert = 0;
    EXPECT_EQ(schaetzwertText(s), "pZ1 = 0 (am Rand)");
    s = {"p(B|G)", 0.0100213, 0.00031234, false};
    EXPECT_EQ(schaetzwertText(s), "p(B|G) = 0.0100213 ± 0.00031");
    const std::string text = anpassungText(geAnpassung());
    EXPECT_NE(text.find("GE (≙ MC)"), std::string::npos);
    EXPECT_NE(text.find("300000 Bits"), std::string::npos);
    EXPECT_NE(text.find("GE und MC beschreiben die Folge gleich gut"), std::string::npos);
}

// A fitted model taken into set 2 is simulated there with the set's own seed and length.
TEST(Anpassungstabelle, AFitTakenIntoASetRunsThere) {
    ZorState s = startZustand();
    const float seed = s.GEWert2[gemc::Startwert];
    for (const Modellanpassung& m : geAnpassung().modelle) {
        inParametersatz(s, 1, m);
        EXPECT_EQ(s.Modell.M2, modellId(m.art, 1)) << modellname(m.art);
        EXPECT_EQ(s.Modell.sim2, 1);
        EXPECT_EQ(s.FAV.ermittelt2, 0);
        EXPECT_TRUE(folgeVonSatz(satzparameter(s, 1), still).ok) << modellname(m.art);
    }
    EXPECT_EQ(s.GEWert2[gemc::Startwert], seed);
    const Modellanpassung* ge = nullptr;
    for (const auto& m : geAnpassung().modelle)
        if (m.art == Modellart::GE) ge = &m;
    EXPECT_EQ(s.GEWert2[gemc::Bad_From_Good], static_cast<float>(ge->parameter[0].wert));
    EXPECT_EQ(s.GEWert2[gemc::Good_From_Good], 1.0f - static_cast<float>(ge->parameter[0].wert));
}

}  // namespace
