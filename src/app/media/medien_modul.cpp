#include "app/media/medien_modul.h"

#include <QAbstractButton>
#include <QDialog>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/media/bildflaeche.h"
#include "app/media/medienfilter.h"
#include "app/media/medienspieler.h"
#include "app/media/qt_tonaufnahme.h"
#include "app/media/qt_wiedergabe.h"
#include "app/media/video_fenster.h"
#include "app/media/wave_recorder.h"
#include "app/media/wellenform.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {

MedienModul::MedienModul(Kontext& kontext) : Befehlsmodul(kontext) {}

void MedienModul::PopupVideo_New(int) {
    // The command is disabled while the window exists; a stray call just raises it.
    if (!video_) {
        video_ = new VideoFenster(kontext(), std::make_unique<QtWiedergabe>(), kontext().fenster());
        video_->show();
    }
    video_->raise();
}

void MedienModul::mciNeu(int) {
    auto* spieler = new Medienspieler(kontext(), std::make_unique<QtWiedergabe>(), kontext().fenster());
    spieler->show();
}

void MedienModul::waveAufnahme(int id) {
    QtWiedergabe spieler(true);
    QtTonaufnahme aufnahme;
    WaveAufnahme dialog(kontext().meldung(), kontext().dateiwahl(), spieler, aufnahme, kontext().fenster(),
                        satzDateien(kontext().zustand()));
    dialog.exec();
    // As from the frame's menu: the command then goes on to the active document.
    if (MdiDokument* d = kontext().aktivesDokument()) d->befehl(id);
}

namespace {

// The recorder with a sound file opened, so that its buttons are live.
void waveBild(Bildaufnahme& a) {
    a.rahmen(false);
    a.modal(CMD_WAVE, QStringLiteral("id_%1").arg(WaveAufnahme::DLG_WAVE), QStringLiteral("wave"), [&a](QWidget* d) {
        a.dateiAntworten({a.beispiel(QStringLiteral("ton.wav"))});
        if (auto* b = d->findChild<QAbstractButton*>(QStringLiteral("id_%1").arg(WaveAufnahme::ID_OEFFNEN))) b->click();
        // The waveform is computed on its own thread; the picture shows it drawn.
        if (auto* w = d->findChild<Wellenform*>()) a.warte([w] { return !w->rechnet(); }, 10000);
        a.bild(d, QStringLiteral("wave"));
        static_cast<QDialog*>(d)->reject();
    });
}

// The recorder comparing the tone with its corrupted copy, shown as the difference.
void waveDifferenzBild(Bildaufnahme& a) {
    a.rahmen(false);
    a.modal(CMD_WAVE, QStringLiteral("id_%1").arg(WaveAufnahme::DLG_WAVE), QStringLiteral("wave_differenz"),
            [&a](QWidget* d) {
                const auto knopf = [d](int id) {
                    return d->findChild<QAbstractButton*>(QStringLiteral("id_%1").arg(id));
                };
                auto* w = d->findChild<Wellenform*>();
                if (!w || !knopf(WaveAufnahme::ID_OEFFNEN) || !knopf(WaveAufnahme::ID_VERGLEICH) ||
                    !knopf(WaveAufnahme::ID_DIFFERENZ)) {
                    a.fehler(QStringLiteral("wave_differenz: Knöpfe fehlen"));
                    return static_cast<QDialog*>(d)->reject();
                }
                a.dateiAntworten({a.beispiel(QStringLiteral("ton.wav")), a.beispiel(QStringLiteral("ton_kopie.wav"))});
                knopf(WaveAufnahme::ID_OEFFNEN)->click();
                knopf(WaveAufnahme::ID_VERGLEICH)->click();
                knopf(WaveAufnahme::ID_DIFFERENZ)->click();
                a.warte([w] { return !w->rechnet(); }, 10000);
                a.bild(d, QStringLiteral("wave_differenz"));
                static_cast<QDialog*>(d)->reject();
            });
}

void videoBild(Bildaufnahme& a) {
    Kontext& k = a.rahmen(false);
    k.befehl(CMD_VIDEO);
    auto* v = k.fenster()->findChild<VideoFenster*>();
    if (!v) {
        a.fehler(QStringLiteral("video: kein Videofenster"));
        return;
    }
    a.dateiAntworten({a.beispiel(QStringLiteral("film.avi"))});
    v->PopupVideo_OnCommand(CMD_VIDEO_OEFFNEN);
    v->resize(520, 420);
    // Without a media backend the window stays empty; the picture still shows its controls.
    a.warte([v] { return v->film()->hatBild(); });
    a.bild(v, QStringLiteral("video"));
    v->close();
}

void mciBild(Bildaufnahme& a) {
    Kontext& k = a.rahmen(false);
    k.befehl(CMD_MCI);
    auto* m = k.fenster()->findChild<Medienspieler*>();
    if (!m) {
        a.fehler(QStringLiteral("mci: kein Medienspieler"));
        return;
    }
    m->oeffne(a.beispiel(QStringLiteral("film.avi")));
    a.warte([m] { return m->findChild<Bildflaeche*>() && m->findChild<Bildflaeche*>()->hatBild(); });
    a.bild(m, QStringLiteral("mci"));
    m->close();
}

const Fenster& waveBeschreibung() {
    static const Fenster f{
        .name = QStringLiteral("id_%1").arg(WaveAufnahme::DLG_WAVE),
        .hilfe = QStringLiteral("mm_wave.hlp"),
        .befehl = CMD_WAVE,
        .filter = {&SATZ_WAVE},
        .bilder = {{QStringLiteral("wave"), {}, &waveBild}, {QStringLiteral("wave_differenz"), {}, &waveDifferenzBild}},
    };
    return f;
}

const Fenster& videoBeschreibung() {
    static const Fenster f{
        .name = QStringLiteral("video"),
        .hilfe = QStringLiteral("mm_video.hlp"),
        .befehl = CMD_VIDEO,
        .filter = {&SATZ_VIDEO},
        .bilder = {{QStringLiteral("video"), {}, &videoBild}},
    };
    return f;
}

const Fenster& spielerBeschreibung() {
    static const Fenster f{
        .name = QStringLiteral("medienspieler"),
        .hilfe = QStringLiteral("mm_video.hlp"),
        .befehl = CMD_MCI,
        .filter = {&SATZ_MEDIEN},
        .bilder = {{QStringLiteral("mci"), {}, &mciBild}},
    };
    return f;
}

}  // namespace

const Modul& MedienModul::beschreibung() {
    using M = MedienModul;
    static const Modul m{
        .name = "Medien",
        .erzeuge = &fabrik<M>,
        .befehle =
            {
                {CMD_WAVE,
                 ruft<&M::waveAufnahme>,
                 "Aufnahme und Wiedergabe einer Wave-Datei!",
                 {im(MENU_MULTIMEDIA, "&Datei", 50, "&Wave..."), im(BLOCK_MEDIEN, "", 10, "&Wave...")},
                 {knopf(CMD_MULTIMEDIA, 80, "wave")}},
                {CMD_VIDEO,
                 ruft<&M::PopupVideo_New>,
                 "Erstellt ein Popupfenster zur Wiedergabe einer Videodatei!",
                 {im(MENU_MULTIMEDIA, "&Datei", 60, "&Video..."), im(BLOCK_MEDIEN, "", 20, "&Video...")},
                 {knopf(CMD_MULTIMEDIA, 90, "video")}},
                {CMD_MCI,
                 ruft<&M::mciNeu>,
                 "Ermöglicht die Wiedergabe aller MCI-Dateien!",
                 {im(MENU_MULTIMEDIA, "&Datei", 70, "&MCI"), im(BLOCK_MEDIEN, "", 30, "&MCI")}},
            },
        .fenster = {&waveBeschreibung(), &videoBeschreibung(), &spielerBeschreibung()},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
