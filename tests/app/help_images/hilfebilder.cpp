// Makes the screenshots of the help pages from the running program: every window and
// dialog the help describes is opened through its command and grabbed.
//
//   hilfebilder <directory>   writes the pictures there (scripts/hilfebilder.sh)
//   hilfebilder --pruefen     writes into a temporary directory and fails when a window
//                             cannot be opened, a page lacks its picture or a page shows a
//                             picture this run did not make
//
// Pixels are never compared: fonts differ between machines.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTranslator>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <vector>

#include "app/shell/programm.h"
#include "app/documents/druckauftrag.h"
#include "app/documents/kurvendokument.h"
#include "app/context/befehle.h"
#include "app/media/bildflaeche.h"
#include "app/media/medienspieler.h"
#include "app/media/video_fenster.h"
#include "app/media/wave_recorder.h"
#include "app/platform/hilfeseiten.h"
#include "help_images/sitzung.h"
#include "support/modal_skript.h"

using namespace zor::app;

namespace {

struct Aufnahme {
    const char* bild;   // images/<bild>.png
    const char* seite;  // the page that shows it
    std::function<void(Sitzung&)> machen;
};

// Waits for a condition the event loop brings about (a video's first frame).
bool warte(const std::function<bool()>& bedingung, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!bedingung() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return bedingung();
}

// A channel-model document, opened by its command and shown maximised in the frame, with
// set 2 a Gilbert-Elliott model beside the BSC of set 1 so that both blocks show. False
// when it did not open or its curves did not finish.
bool dokumentOeffnen(Sitzung& s, int befehl, const char* bild) {
    Hauptfenster& f = s.rahmen(true);
    s.modal(CMD_SATZ2_GE, QStringLiteral("id_96"), QLatin1String(bild), [](QWidget* d) {
        if (auto* ok = d->findChild<QAbstractButton*>(QStringLiteral("id_131"))) ok->click();
    });
    f.mainframe_OnCommand(befehl);
    QMdiSubWindow* w = f.mdi()->activeSubWindow();
    if (!w) {
        s.fehler << QStringLiteral("%1: kein Fenster geöffnet").arg(QLatin1String(bild));
        return false;
    }
    w->showMaximized();
    // The curve documents compute their curves after opening; wait for them.
    if (auto* k = qobject_cast<KurvenDokument*>(w->widget()))
        if (!warte([k] { return !k->veraltet(); }, 30000)) {
            s.fehler << QStringLiteral("%1: Kurven nicht fertig").arg(QLatin1String(bild));
            return false;
        }
    return true;
}

std::function<void(Sitzung&)> dokument(int befehl, const char* bild) {
    return [=](Sitzung& s) {
        if (dokumentOeffnen(s, befehl, bild)) s.bild(&s.f(), QLatin1String(bild));
    };
}

// The page preview of the FKF document. The page is the PDF page used without a printer,
// so that a printer installed on this machine does not change the picture.
void seitenansicht(Sitzung& s) {
    if (!dokumentOeffnen(s, CMD_OEFFNEN_FKF, "seitenansicht")) return;
    const Druckersuche vorher = setzeDruckersuche([] { return QString(); });
    s.modal(CMD_SEITENANSICHT, QStringLiteral("seitenansicht"), QStringLiteral("seitenansicht"));
    setzeDruckersuche(vorher);
}

// A modal dialog of a mode, grabbed as it opens.
std::function<void(Sitzung&)> dialog(bool zorwerk, int befehl, int dialogId, const char* bild) {
    return [=](Sitzung& s) {
        s.rahmen(zorwerk);
        s.modal(befehl, QStringLiteral("id_%1").arg(dialogId), QLatin1String(bild));
    };
}

// A file-job dialog with its file fields filled in as a user would (id, sample file name).
std::function<void(Sitzung&)> jobdialog(int befehl, int dialogId, const char* bild,
                                        std::vector<std::pair<int, const char*>> felder) {
    return [=](Sitzung& s) {
        s.rahmen(false);
        s.modal(befehl, QStringLiteral("id_%1").arg(dialogId), QLatin1String(bild), [&s, felder, bild](QWidget* d) {
            for (const auto& [id, name] : felder)
                if (auto* e = d->findChild<QLineEdit*>(QStringLiteral("id_%1").arg(id)))
                    e->setText(id == 26 ? QLatin1String(name) : s.beispiel(QLatin1String(name)));
            s.bild(d, QLatin1String(bild));
            static_cast<QDialog*>(d)->reject();
        });
    };
}

// The file chooser a command opens.
std::function<void(Sitzung&)> dateiwahl(bool zorwerk, int befehl, const char* bild) {
    return [=](Sitzung& s) {
        s.rahmen(zorwerk);
        s.dateiwahl().antworten = {BilderDateiwahl::ZEIGEN};
        s.modal(befehl, QString(), QLatin1String(bild));
    };
}

// A multimedia document showing a sample file, maximised or at the size it chose.
std::function<void(Sitzung&)> mediendokument(int befehl, const char* datei, const char* bild, bool maximiert) {
    return [=](Sitzung& s) {
        Hauptfenster& f = s.rahmen(false);
        s.dateiwahl().antworten = {s.beispiel(QLatin1String(datei))};
        f.mainframe_OnCommand(befehl);
        QMdiSubWindow* w = f.mdi()->activeSubWindow();
        if (!w) s.fehler << QStringLiteral("%1: kein Dokument geöffnet").arg(QLatin1String(bild));
        else if (maximiert) w->showMaximized();
        s.bild(&f, QLatin1String(bild));
    };
}

// The GE dialog confirmed with the MC output checked brings the GE->MC dialog.
void geMc(Sitzung& s) {
    s.rahmen(true);
    bool gezeigt = false;
    ModalSkript skript;
    skript.dann([](QWidget* d) {
        if (auto* c = d->findChild<QCheckBox*>(QStringLiteral("id_315"))) c->setChecked(true);
        if (auto* ok = d->findChild<QAbstractButton*>(QStringLiteral("id_131"))) ok->click();
    });
    skript.dann([&](QWidget* d) {
        gezeigt = d->objectName() == QLatin1String("id_610") && s.bild(d, QStringLiteral("ge_mc"));
        static_cast<QDialog*>(d)->accept();
    });
    s.f().mainframe_OnCommand(CMD_SATZ1_GE);
    if (!gezeigt) s.fehler << QStringLiteral("ge_mc: Dialog 610 nicht gesehen");
}

void midi(Sitzung& s) {
    s.rahmen(false);
    s.modal(CMD_MIDI, QStringLiteral("id_%1").arg(DLG_MIDI), QStringLiteral("midi"), [&s](QWidget* d) {
        s.dateiwahl().antworten = {s.beispiel(QStringLiteral("lied.mid"))};
        if (auto* a = d->findChild<QAction*>(QStringLiteral("id_%1").arg(CMD_MIDI_OEFFNEN))) a->trigger();
        d->resize(560, 420);
        s.bild(d, QStringLiteral("midi"));
        static_cast<QDialog*>(d)->accept();
    });
}

// The recorder with a sound file opened, so that its buttons are live.
void wave(Sitzung& s) {
    s.rahmen(false);
    s.modal(CMD_WAVE, QStringLiteral("id_%1").arg(WaveAufnahme::DLG_WAVE), QStringLiteral("wave"), [&s](QWidget* d) {
        s.dateiwahl().antworten = {s.beispiel(QStringLiteral("ton.wav"))};
        if (auto* b = d->findChild<QAbstractButton*>(QStringLiteral("id_%1").arg(WaveAufnahme::ID_OEFFNEN))) b->click();
        s.bild(d, QStringLiteral("wave"));
        static_cast<QDialog*>(d)->reject();
    });
}

void video(Sitzung& s) {
    Hauptfenster& f = s.rahmen(false);
    f.mainframe_OnCommand(CMD_VIDEO);
    auto* v = f.findChild<VideoFenster*>();
    if (!v) {
        s.fehler << QStringLiteral("video: kein Videofenster");
        return;
    }
    s.dateiwahl().antworten = {s.beispiel(QStringLiteral("film.avi"))};
    v->PopupVideo_OnCommand(CMD_VIDEO_OEFFNEN);
    v->resize(520, 420);
    // Without a media backend the window stays empty; the picture still shows its controls.
    warte([v] { return v->film()->hatBild(); });
    s.bild(v, QStringLiteral("video"));
    v->close();
}

void mci(Sitzung& s) {
    Hauptfenster& f = s.rahmen(false);
    f.mainframe_OnCommand(CMD_MCI);
    auto* m = f.findChild<Medienspieler*>();
    if (!m) {
        s.fehler << QStringLiteral("mci: kein Medienspieler");
        return;
    }
    m->oeffne(s.beispiel(QStringLiteral("film.avi")));
    warte([m] { return m->findChild<Bildflaeche*>() && m->findChild<Bildflaeche*>()->hatBild(); });
    s.bild(m, QStringLiteral("mci"));
    m->close();
}

const std::vector<Aufnahme>& aufnahmen() {
    static const std::vector<Aufnahme> a = {
        {"ff", "zor_ff", dokument(CMD_OEFFNEN_FF, "ff")},
        {"par", "zor_par", dokument(CMD_OEFFNEN_PAR, "par")},
        {"fav", "zor_fav", dokument(CMD_OEFFNEN_FAV, "fav")},
        {"fkf", "zor_fkf", dokument(CMD_OEFFNEN_FKF, "fkf")},
        {"seitenansicht", "drucken", seitenansicht},
        {"param_bsc", "dlg_bsc", dialog(true, CMD_SATZ1_BSC, 89, "param_bsc")},
        {"param_ge", "dlg_ge", dialog(true, CMD_SATZ1_GE, 96, "param_ge")},
        {"param_mc", "dlg_mc", dialog(true, CMD_SATZ1_MC, 91, "param_mc")},
        {"param_sw", "dlg_sw", dialog(true, CMD_SATZ2_SW, 93, "param_sw")},
        {"ge_mc", "dlg_gemc", geMc},
        {"opt_fav", "opt_fav", dialog(true, CMD_FAV_OPTIONEN, 95, "opt_fav")},
        {"opt_fkf", "opt_fkf", dialog(true, CMD_FKF_OPTIONEN, 98, "opt_fkf")},
        {"folge_speichern", "folge", dateiwahl(true, CMD_SPEICHERN_SATZ1, "folge_speichern")},
        {"konvertieren", "konvertieren", dateiwahl(true, CMD_KONVERTIEREN_ZOR, "konvertieren")},
        {"verf_bsc", "verf_bsc", jobdialog(CMD_VERF_BSC, 14, "verf_bsc", {{162, "bild.bmp"}, {163, "bild_bsc.bmp"}, {26, "54"}})},
        {"verf_ge", "verf_ge", jobdialog(CMD_VERF_GE, 15, "verf_ge", {{1000, "bild.bmp"}, {1001, "bild_ge.bmp"}, {26, "54"}})},
        {"verf_mc", "verf_mc", jobdialog(CMD_VERF_MC, 16, "verf_mc", {{1000, "bild.bmp"}, {1001, "bild_mc.bmp"}, {26, "54"}})},
        {"verf_muster", "verf_muster",
         jobdialog(CMD_VERF_FFO_FAB, 17, "verf_muster", {{4110, "ton.wav"}, {4109, "folge1.FFO"}, {4108, "ton_ffo.wav"}})},
        {"vergleich", "vergleich",
         jobdialog(CMD_VERGLEICHSDATEI, 18, "vergleich", {{4113, "bild.bmp"}, {4114, "bild_ge.bmp"}, {4115, "bild_ge.vgl"}})},
        {"ableiten", "ableiten", jobdialog(CMD_FFO_FAB_AUS_VGL, 19, "ableiten", {{4121, "bild_ge.vgl"}, {4120, "bild_ge.fab"}})},
        {"hex", "mm_hexbin", mediendokument(CMD_HEX, "bild.bmp", "hex", true)},
        {"bin", "mm_hexbin", mediendokument(CMD_BIN, "bild.bmp", "bin", true)},
        {"bitmap", "mm_bitmap", mediendokument(CMD_BITMAP, "bild.bmp", "bitmap", false)},
        {"midi", "mm_midi", midi},
        {"wave", "mm_wave", wave},
        {"video", "mm_video", video},
        {"mci", "mm_video", mci},
    };
    return a;
}

// The pictures a page shows.
QStringList bilderVon(const QString& seite) {
    static const QRegularExpression re(QStringLiteral("<img[^>]*src=\"images/([^\"]+)\\.png\""));
    QStringList l;
    for (auto it = re.globalMatch(hilfeHtml(seite)); it.hasNext();) l << it.next().captured(1);
    return l;
}

// Every picture of the list is made and shown on its page, and every page shows only
// pictures of the list.
QStringList pruefe(const Sitzung& s) {
    QStringList fehler = s.fehler;
    for (const Aufnahme& a : aufnahmen()) {
        const QString bild = QLatin1String(a.bild), seite = QStringLiteral(":/help/%1.html").arg(QLatin1String(a.seite));
        if (!s.gemacht.contains(bild)) fehler << QStringLiteral("%1: nicht aufgenommen").arg(bild);
        if (!bilderVon(seite).contains(bild)) fehler << QStringLiteral("%1 zeigt %2.png nicht").arg(seite, bild);
    }
    for (const QString& seite : alleHilfeseiten())
        for (const QString& bild : bilderVon(seite))
            if (!s.gemacht.contains(bild)) fehler << QStringLiteral("%1 zeigt %2.png, das niemand aufnimmt").arg(seite, bild);
    for (const QString& m : s.meldungen()) fehler << QStringLiteral("unerwartete Meldung: %1").arg(m);
    return fehler;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtTexte;  // the file choosers as the program shows them
    zor::app::qtTexteLaden(qtTexte);
    const QStringList args = app.arguments();
    QTemporaryDir tmp;
    const bool nurPruefen = args.size() < 2 || args.at(1) == QLatin1String("--pruefen");
    Sitzung s(nurPruefen ? tmp.path() : args.at(1),
              nurPruefen ? QString() : QDir::tempPath() + QStringLiteral("/zorwerk-beispiele"));
    for (const Aufnahme& a : aufnahmen()) a.machen(s);
    s.rahmen(true);  // closes the last frame and what hangs on it

    QTextStream aus(stdout);
    const QStringList fehler = pruefe(s);
    for (const QString& f : fehler) aus << "FEHLER: " << f << '\n';
    aus << s.gemacht.size() << " Bilder" << (nurPruefen ? " geprüft" : QStringLiteral(" in %1").arg(args.at(1))) << '\n';
    return fehler.isEmpty() ? 0 : 1;
}
