#include "app/media/medien_modul.h"

#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/kontext/mdi_dokument.h"
#include "app/media/medienspieler.h"
#include "app/media/qt_tonaufnahme.h"
#include "app/media/qt_wiedergabe.h"
#include "app/media/video_fenster.h"
#include "app/media/wave_recorder.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {

MedienModul::MedienModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_VIDEO}, [this](int id) { PopupVideo_New(id); });
    registriere({CMD_MCI}, [this](int id) { mciNeu(id); });
    registriere({CMD_WAVE}, [this](int id) { waveAufnahme(id); });
}

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

}  // namespace zor::app
