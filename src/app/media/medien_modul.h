#pragma once
// The sound and video commands: "Video..." opens the one video window, "MCI" a new
// general player, "Wave..." the wave recorder.

#include <QPointer>

#include "app/context/beschreibung.h"
#include "app/media/video_fenster.h"

namespace zor::app {

class MedienModul : public Befehlsmodul {
public:
    explicit MedienModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void PopupVideo_New(int id);
    void mciNeu(int id);
    void waveAufnahme(int id);

    QPointer<VideoFenster> video_;
};

}  // namespace zor::app
