#pragma once
// The sound and video commands: "Video..." opens the one video window, "MCI" a new
// general player, "Wave..." the wave recorder.

#include <QPointer>

#include "app/context/befehlsmodul.h"
#include "app/media/video_fenster.h"

namespace zor::app {

class MedienModul : public Befehlsmodul {
public:
    explicit MedienModul(Kontext& kontext);

    VideoFenster* videoFenster() const { return video_; }

private:
    void PopupVideo_New(int id);
    void mciNeu(int id);
    void waveAufnahme(int id);

    QPointer<VideoFenster> video_;
};

}  // namespace zor::app
