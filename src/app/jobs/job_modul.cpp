#include "app/jobs/job_modul.h"

#include "app/context/befehle.h"
#include "app/context/folgedatei.h"
#include "app/jobs/bsc_dialog.h"
#include "app/jobs/ffofab_dialog.h"
#include "app/jobs/gemc_verfaelschen_dialog.h"
#include "app/jobs/job_ids.h"
#include "app/jobs/muster_dialog.h"
#include "app/jobs/vergleich_dialog.h"

namespace zor::app {

namespace {

template <class D, class... A>
void zeige(Kontext& k, A... a) {
    D d(k, a...);
    d.exec();
}

// A job dialog's window: its object name, help page, choosers and its picture with the
// file edits filled in.
Fenster jobfenster(int dialog, const char* seite, std::vector<const Filtersatz*> filter, int befehl,
                   std::vector<std::pair<int, const char*>> felder) {
    const QString name = QStringLiteral("id_%1").arg(dialog);
    return {.name = name,
            .hilfe = QLatin1String(seite) + QStringLiteral(".hlp"),
            .befehl = befehl,
            .filter = std::move(filter),
            .bilder = {jobdialogBild(QLatin1String(seite), befehl, name, std::move(felder))}};
}

const std::vector<Fenster>& fenster() {
    static const std::vector<Fenster> f = {
        jobfenster(DLG_VERF_BSC, "verf_bsc", {&SATZ_DATEIEN}, CMD_VERF_BSC,
                   {{ID_BSC_EINGABE, "bild.bmp"}, {ID_BSC_AUSGABE, "bild_bsc.bmp"}, {ID_GESCHUETZT, "54"}}),
        jobfenster(DLG_VERF_GE, "verf_ge", {&SATZ_DATEIEN}, CMD_VERF_GE,
                   {{ID_GEMC_EINGABE, "bild.bmp"}, {ID_GEMC_AUSGABE, "bild_ge.bmp"}, {ID_GESCHUETZT, "54"}}),
        jobfenster(DLG_VERF_MC, "verf_mc", {&SATZ_DATEIEN}, CMD_VERF_MC,
                   {{ID_GEMC_EINGABE, "bild.bmp"}, {ID_GEMC_AUSGABE, "bild_mc.bmp"}, {ID_GESCHUETZT, "54"}}),
        jobfenster(
            DLG_VERF_MUSTER, "verf_muster", {&SATZ_DATEIEN, &SATZ_FFO_FAB}, CMD_VERF_FFO_FAB,
            {{ID_MUSTER_EINGABE, "ton.wav"}, {ID_MUSTER_FOLGE, "folge1.FFO"}, {ID_MUSTER_AUSGABE, "ton_ffo.wav"}}),
        jobfenster(DLG_VERGLEICH, "vergleich", {&SATZ_DATEIEN, &SATZ_VERGLEICH}, CMD_VERGLEICHSDATEI,
                   {{ID_VGL_ERSTE, "bild.bmp"}, {ID_VGL_ZWEITE, "bild_ge.bmp"}, {ID_VGL_AUSGABE, "bild_ge.vgl"}}),
        jobfenster(DLG_ABLEITEN, "ableiten", {&SATZ_VERGLEICH, &SATZ_FFO_FAB}, CMD_FFO_FAB_AUS_VGL,
                   {{ID_ABLEITEN_VGL, "bild_ge.vgl"}, {ID_ABLEITEN_AUSGABE, "bild_ge.fab"}}),
    };
    return f;
}

}  // namespace

JobModul::JobModul(Kontext& k) : Befehlsmodul(k) {}

void JobModul::bsc(int) { zeige<BscDialog>(kontext()); }
void JobModul::ge(int) { zeige<GeMcVerfaelschenDialog>(kontext(), Zweizustand::GE); }
void JobModul::mc(int) { zeige<GeMcVerfaelschenDialog>(kontext(), Zweizustand::MC); }
void JobModul::muster(int) { zeige<MusterDialog>(kontext()); }
void JobModul::vergleich(int) { zeige<VergleichDialog>(kontext()); }
void JobModul::ableiten(int) { zeige<FfoFabDialog>(kontext()); }

const Modul& JobModul::beschreibung() {
    using J = JobModul;
    static const Modul m{
        .name = "Dateijobs",
        .erzeuge = &fabrik<J>,
        .befehle =
            {
                {CMD_VERF_BSC,
                 ruft<&J::bsc>,
                 "Verfälschung einer Datei nach BSC-Modell",
                 {im(MENU_MULTIMEDIA, "&Verfälschen", 10, "&BSC -Modell"),
                  im(BLOCK_VERFAELSCHEN, "", 10, "&BSC-Modell")}},
                {CMD_VERF_GE,
                 ruft<&J::ge>,
                 "Verfälschung einer Datei nach GE-Modell",
                 {im(MENU_MULTIMEDIA, "&Verfälschen", 20, "GE-Modell"), im(BLOCK_VERFAELSCHEN, "", 20, "&GE-Modell")}},
                {CMD_VERF_MC,
                 ruft<&J::mc>,
                 "Verfälschung einer Datei nach MC-Modell",
                 {im(MENU_MULTIMEDIA, "&Verfälschen", 30, "&MC-Modell"), im(BLOCK_VERFAELSCHEN, "", 30, "&MC-Modell")}},
                {CMD_VERF_FFO_FAB,
                 ruft<&J::muster>,
                 "Verfälschung einer Datei durch eine Fehlerfolge- bzw. Fehlerabstand-Datei",
                 {im(MENU_MULTIMEDIA, "&Verfälschen", 40, "&FFO/FAB-Verfahren"),
                  im(BLOCK_VERFAELSCHEN, "", 40, "&FFO-Verfahren")}},
                {CMD_VERGLEICHSDATEI,
                 ruft<&J::vergleich>,
                 "Erstellt eine Vergleichsdatei!",
                 {im(BLOCK_ERSTELLEN, "", 10, "&Vergleichsdatei...")}},
                {CMD_FFO_FAB_AUS_VGL,
                 ruft<&J::ableiten>,
                 "Erstellt Fehlerfolge bzw. Fehlerabstand aus Vergleichsdatei!",
                 {im(BLOCK_ERSTELLEN, "", 20, "&Fehlerfolge bzw. Fehlerabstand...")}},
            },
        .fenster = {&fenster()[0], &fenster()[1], &fenster()[2], &fenster()[3], &fenster()[4], &fenster()[5]},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
