// zor fit: the table and JSON carry the core's numbers; refusals and unfittable sequences
// end with their German message and exit code.

#include "zor_aufruf.h"
#include "../core/anpassungsfaelle.h"

#include "core/anpassung/anpassung.h"
#include "core/anpassung/folge_lesen.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"
#include "core/util/format.h"

#include <sys/stat.h>

using namespace zor;

namespace {

using FitCli = ZorCliTest;

TEST_F(FitCli, PrintsTheCoresFitAsTableOrJson) {
    KeinFortschritt still;
    ASSERT_TRUE(SaveFolge(zustandFuer(anpassungsfaelle()[2], 5, 200000), 0, TYP_FAB, pfad("ge.FAB"), still));
    const Anpassung a = anpassen(folgeLesen(pfad("ge.FAB"), still).folge, {}, still);
    ASSERT_TRUE(a.ok);

    const auto j = zorAufruf({"fit", pfad("ge.FAB"), "--json"});
    ASSERT_EQ(j.code, 0) << j.fehler;
    EXPECT_EQ(j.aus.rfind("{\"quelle\": ", 0), 0u) << j.aus;
    std::size_t pos = 0;
    for (const Modellanpassung& m : a.modelle) {
        // In rank order, each with its ln L and BIC as the core computed them.
        pos = j.aus.find("{\"modell\": \"" + std::string(modellname(m.art)) + "\", \"rang\": " + std::to_string(m.rang), pos);
        ASSERT_NE(pos, std::string::npos) << modellname(m.art);
        EXPECT_NE(j.aus.find("\"lnL\": " + kurvenzahl(m.lnL), pos), std::string::npos);
        EXPECT_NE(j.aus.find("\"BIC\": " + kurvenzahl(m.BIC), pos), std::string::npos);
    }
    EXPECT_NE(j.aus.find("\"gleichwertig\": \"MC\""), std::string::npos);
    EXPECT_NE(j.aus.find("\"hinweise\": [\"GE und MC beschreiben"), std::string::npos);

    const auto t = zorAufruf({"fit", pfad("ge.FAB"), "--models", "GE,bsc"});
    ASSERT_EQ(t.code, 0) << t.fehler;
    EXPECT_NE(t.aus.find("Rang  Modell"), std::string::npos) << t.aus;
    EXPECT_NE(t.aus.find("p(B|G) = "), std::string::npos);
    EXPECT_EQ(t.aus.find("SW"), std::string::npos) << "only the models asked for";
}

TEST_F(FitCli, FitsASetsSimulatedSequence) {
    const auto e = zorAufruf({"fit", "--preset", "mc2", "--n", "200000", "--models", "mc", "--json"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_NE(e.aus.find("\"quelle\": \"mc2\", \"bits\": 200000"), std::string::npos) << e.aus;
    EXPECT_NE(e.aus.find("{\"name\": \"q(B|G)\", \"wert\": 0.3"), std::string::npos) << e.aus;
}

TEST_F(FitCli, RefusesWhatIsNoSequence) {
    dateiSchreiben(pfad("leer.FAB"), "");
    dateiSchreiben(pfad("x.FFO"), "0012");
    dateiSchreiben(pfad("null.FFO"), std::string(500, '0'));
    dateiSchreiben(pfad("daten.bin"), "01");
    std::filesystem::create_directory(dir_ / "ordner.VGL");
    ASSERT_EQ(::mkfifo(pfad("rohr.FAB").c_str(), 0600), 0);
    struct Fall {
        std::vector<std::string> args;
        int code;
        std::string meldung;
    };
    const Fall faelle[] = {
        {{"fit", pfad("leer.FAB")}, 2, "Dateilänge == 0"},
        {{"fit", pfad("daten.bin")}, 2, "Kein gültiger Dateiname!"},
        {{"fit", pfad("x.FFO")}, 1, "Ungültiges Zeichen an Position 4"},
        {{"fit", pfad("ordner.VGL")}, 1, "Datei kann nicht gelesen werden!"},
        {{"fit", pfad("rohr.FAB")}, 1, "Das ist keine reguläre Datei."},
        {{"fit", pfad("null.FFO")}, 1, "Die Fehlerfolge enthält keinen einzigen Fehler."},
        {{"fit", pfad("null.FFO"), "--models", "bsc,gx"}, 2, "Unbekanntes Modell in --models: \"gx\""},
        {{"fit", pfad("null.FFO"), "--lags", "5"}, 2, "Fehleingabe bei Skalierung Abszisse"},
        {{"fit", pfad("null.FFO"), "--preset", "ge1"}, 2, "Bitte entweder eine DATEI oder ein Modell"},
        {{"fit"}, 2, "Bitte entweder eine DATEI oder ein Modell"},
    };
    for (const Fall& f : faelle) {
        const auto e = zorAufruf(f.args);
        EXPECT_EQ(e.code, f.code) << f.args.back();
        EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << f.args.back() << ": " << e.fehler;
        EXPECT_TRUE(e.aus.empty()) << e.aus;
    }
}

}  // namespace
