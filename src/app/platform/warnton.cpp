#include "app/platform/warnton.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace zor::app {

Warnton::~Warnton() { delete effekt_; }

int Warnton::PlayTheResourceWave(const QString& name) {
    const QString pfad = QStringLiteral(":/sounds/%1.wav").arg(name);
    if (!QFile::exists(pfad)) return 0;
    if (!effekt_) effekt_ = new QSoundEffect;
    if (geladen_ != pfad) {
        effekt_->setSource(QUrl(QStringLiteral("qrc") + pfad));
        geladen_ = pfad;
    }
    effekt_->play();
    return 1;
}

}  // namespace zor::app
