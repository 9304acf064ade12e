#include "app/media/qt_wiedergabe.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>

#include "core/media/medienfehler.h"

namespace zor::app {
namespace {

constexpr int LADEZEIT_MS = 10000;
constexpr int ERSTES_BILD_MS = 3000;
constexpr qint64 BILDDAUER_VORGABE_MS = 40;

}  // namespace

QtWiedergabe::QtWiedergabe(bool tonPflicht, QObject* eltern)
    : Wiedergabe(eltern), bilddauer_(BILDDAUER_VORGABE_MS), tonPflicht_(tonPflicht) {
    ausgabe_.setVolume(1.0f);
    spieler_.setAudioOutput(&ausgabe_);
    spieler_.setVideoSink(&senke_);
    connect(&senke_, &QVideoSink::videoFrameChanged, this, &QtWiedergabe::neuesBild);
    connect(&spieler_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        // The first error names the cause; later ones only report the broken pipeline.
        if (fehler_.isEmpty()) fehler_ = QString::fromStdString(zor::medienfehler(text.toStdString()));
    });
    connect(&spieler_, &QMediaPlayer::positionChanged, this, &Wiedergabe::positionGeaendert);
    connect(&spieler_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState s) {
        const bool spielt = s == QMediaPlayer::PlayingState;
        const bool endete = spielte_ && s == QMediaPlayer::StoppedState;
        spielte_ = spielt || (spielte_ && s == QMediaPlayer::PausedState);
        emit zustandGeaendert();
        if (endete) emit fertig();
    });
}

QtWiedergabe::~QtWiedergabe() {
    // No notices to a half-destroyed owner.
    disconnect(&spieler_, nullptr, this, nullptr);
    disconnect(&senke_, nullptr, this, nullptr);
}

bool QtWiedergabe::warte(const std::function<bool()>& bedingung, int ms) {
    if (bedingung()) return true;
    QEventLoop schleife;
    auto pruefe = [&] {
        if (bedingung()) schleife.quit();
    };
    connect(&spieler_, &QMediaPlayer::mediaStatusChanged, &schleife, pruefe);
    connect(&spieler_, &QMediaPlayer::errorOccurred, &schleife, pruefe);
    connect(&senke_, &QVideoSink::videoFrameChanged, &schleife, pruefe);
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    return bedingung();
}

Fehlertext QtWiedergabe::oeffne(const QString& datei) {
    schliesse();
    const QFileInfo info(datei);
    if (!info.exists()) return QStringLiteral("Die Datei %1 ist nicht vorhanden.").arg(datei);
    if (!info.isFile()) return QStringLiteral("%1 ist keine gewöhnliche Datei.").arg(datei);
    fehler_.clear();
    spieler_.setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    const bool geladen = warte(
        [this] {
            const auto s = spieler_.mediaStatus();
            return !fehler_.isEmpty() || s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::InvalidMedia;
        },
        LADEZEIT_MS);
    if (!fehler_.isEmpty() || !geladen || spieler_.mediaStatus() != QMediaPlayer::LoadedMedia) {
        const QString text = !fehler_.isEmpty() ? fehler_ : QStringLiteral("Die Datei ließ sich nicht laden.");
        schliesse();
        return text;
    }
    if (spieler_.hasVideo()) {
        // Pausing prerolls the first frame, which gives the picture size.
        spieler_.pause();
        warte([this] { return groesse_.isValid() || !fehler_.isEmpty(); }, ERSTES_BILD_MS);
    }
    gestoppt_ = true;
    return std::nullopt;
}

void QtWiedergabe::schliesse() {
    spielte_ = false;
    spieler_.stop();
    spieler_.setSource(QUrl());
    spieler_.setPlaybackRate(1.0);
    groesse_ = QSize();
    bilddauer_ = BILDDAUER_VORGABE_MS;
    fehler_.clear();
    gestoppt_ = false;
    emit zustandGeaendert();
}

Fehlertext QtWiedergabe::spiele(bool rueckwaerts) {
    if (spieler_.source().isEmpty()) return QStringLiteral("Es ist keine Datei geöffnet.");
    if (tonPflicht_ && QMediaDevices::audioOutputs().isEmpty())
        return QStringLiteral("Es ist kein Gerät zur Tonausgabe vorhanden.");
    if (rueckwaerts) {
        spieler_.setPlaybackRate(-1.0);
        if (spieler_.playbackRate() >= 0.0)
            return QStringLiteral("Rückwärts abspielen kann dieses Wiedergabesystem nicht.");
    } else {
        spieler_.setPlaybackRate(1.0);
    }
    fehler_.clear();
    gestoppt_ = false;
    spieler_.play();
    if (!fehler_.isEmpty()) return fehler_;
    return std::nullopt;
}

void QtWiedergabe::pausiere() {
    gestoppt_ = false;
    spieler_.pause();
}

void QtWiedergabe::stoppe() {
    spieler_.stop();
    if (spieler_.hasVideo()) {
        spieler_.pause();
        spieler_.setPosition(0);
    }
    gestoppt_ = true;
    emit zustandGeaendert();
}

void QtWiedergabe::springe(qint64 ms) {
    spieler_.setPosition(std::clamp<qint64>(ms, 0, std::max<qint64>(spieler_.duration(), 0)));
}

Spielzustand QtWiedergabe::zustand() const {
    if (spieler_.source().isEmpty()) return Spielzustand::Geschlossen;
    switch (spieler_.playbackState()) {
    case QMediaPlayer::PlayingState: return Spielzustand::Spielt;
    case QMediaPlayer::PausedState: return gestoppt_ ? Spielzustand::Gestoppt : Spielzustand::Pausiert;
    default: return Spielzustand::Gestoppt;
    }
}

void QtWiedergabe::neuesBild(const QVideoFrame& bild) {
    if (!bild.isValid()) return;
    groesse_ = bild.size();
    if (bild.startTime() >= 0 && bild.endTime() > bild.startTime())
        bilddauer_ = std::max<qint64>(1, (bild.endTime() - bild.startTime()) / 1000);
    emit this->bild(bild);
}

}  // namespace zor::app
