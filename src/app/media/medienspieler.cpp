#include "app/media/medienspieler.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/texte.h"
#include "app/media/bildflaeche.h"
#include "app/media/medienfilter.h"
#include "app/media/wiedergabe.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {
namespace {

QString modus(Spielzustand z) {
    switch (z) {
    case Spielzustand::Spielt: return QStringLiteral("Wiedergabe");
    case Spielzustand::Pausiert: return QStringLiteral("Pause");
    case Spielzustand::Gestoppt: return QStringLiteral("Gestoppt");
    default: return QStringLiteral("Keine Datei");
    }
}

}  // namespace

QString positionText(qint64 ms) {
    const qint64 zehntel = std::max<qint64>(ms, 0) / 100;
    return QStringLiteral("%1:%2.%3").arg(zehntel / 600).arg(zehntel / 10 % 60, 2, 10, QLatin1Char('0')).arg(zehntel % 10);
}

Medienspieler::Medienspieler(Kontext& kontext, std::unique_ptr<Wiedergabe> geraet, QWidget* eltern)
    : QWidget(eltern, Qt::Window), kontext_(kontext), geraet_(std::move(geraet)), film_(new Bildflaeche(this)),
      spielen_(new QToolButton(this)), stop_(new QToolButton(this)), position_(new QSlider(Qt::Horizontal, this)),
      anzeige_(new QLabel(this)) {
    setObjectName(QStringLiteral("medienspieler"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/mci.svg")));
    film_->hide();
    spielen_->setObjectName(QStringLiteral("spielen"));
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    stop_->setToolTip(QStringLiteral("Stop"));
    position_->setObjectName(QStringLiteral("position"));
    anzeige_->setObjectName(QStringLiteral("anzeige"));
    anzeige_->setMinimumWidth(anzeige_->fontMetrics().horizontalAdvance(QStringLiteral("Wiedergabe 00:00.0")));

    auto* menueKnopf = new QToolButton(this);
    menueKnopf->setObjectName(QStringLiteral("menue"));
    menueKnopf->setText(QStringLiteral("Menü"));
    menueKnopf->setPopupMode(QToolButton::InstantPopup);
    auto* menue = new QMenu(menueKnopf);
    menue->addAction(QStringLiteral("Ö&ffnen..."), this, &Medienspieler::oeffnen)->setObjectName(QStringLiteral("oeffnen"));
    menue->addAction(QStringLiteral("&Schließen"), this, &Medienspieler::schliessen)->setObjectName(QStringLiteral("schliessen"));
    menueKnopf->setMenu(menue);

    auto* leiste = new QHBoxLayout;
    leiste->setContentsMargins(6, 6, 6, 6);
    leiste->addWidget(spielen_);
    leiste->addWidget(stop_);
    leiste->addWidget(menueKnopf);
    leiste->addWidget(position_, 1);
    leiste->addWidget(anzeige_);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->setSpacing(0);
    aussen->addWidget(film_, 1);
    aussen->addLayout(leiste);

    connect(spielen_, &QToolButton::clicked, this, &Medienspieler::spielenOderPause);
    connect(stop_, &QToolButton::clicked, this, [this] { geraet_->stoppe(); });
    connect(position_, &QSlider::sliderMoved, this, [this](int ms) { geraet_->springe(ms); });
    connect(geraet_.get(), &Wiedergabe::positionGeaendert, this, &Medienspieler::zeigeZustand);
    connect(geraet_.get(), &Wiedergabe::zustandGeaendert, this, &Medienspieler::zeigeZustand);
    connect(geraet_.get(), &Wiedergabe::bild, film_, &Bildflaeche::zeige);

    move(240, 50);
    resize(440, LEISTE_HOEHE);
    zeigeZustand();
}

Medienspieler::~Medienspieler() { disconnect(geraet_.get(), nullptr, this, nullptr); }

void Medienspieler::oeffnen() {
    if (const auto datei = kontext_.dateiwahl().GetFileNameInFWK(QStringLiteral("Öffnen"), QString(), SATZ_MEDIEN))
        oeffne(*datei);
}

bool Medienspieler::oeffne(const QString& datei) {
    schliessen();
    if (const Fehlertext fehler = geraet_->oeffne(datei)) {
        kontext_.meldung().zeige(*fehler, QStringLiteral("Message"), Symbol::Information);
        kontext_.meldung().zeige(text(TXT_VIDEO_NICHT_GEOEFFNET), QString::fromUtf8(TITEL_FEHLER), Symbol::Ausrufezeichen);
        return false;
    }
    datei_ = datei;
    if (geraet_->hatBild()) {
        const QSize bild = geraet_->bildgroesse();
        film_->show();
        resize(std::max(width(), bild.width()), bild.height() + LEISTE_HOEHE);
    }
    zeigeZustand();
    return true;
}

void Medienspieler::schliessen() {
    geraet_->schliesse();
    datei_.clear();
    if (film_->isVisible()) {
        film_->leere();
        film_->hide();
        resize(width(), LEISTE_HOEHE);
    }
    zeigeZustand();
}

void Medienspieler::spielenOderPause() {
    if (geraet_->zustand() == Spielzustand::Spielt) {
        geraet_->pausiere();
        return;
    }
    if (geraet_->dauer() > 0 && geraet_->position() >= geraet_->dauer()) geraet_->springe(0);
    if (const Fehlertext fehler = geraet_->spiele())
        kontext_.meldung().zeige(*fehler, QStringLiteral("Message"), Symbol::Information);
}

void Medienspieler::zeigeZustand() {
    const Spielzustand z = geraet_->zustand();
    const bool offen = z != Spielzustand::Geschlossen;
    const bool spielt = z == Spielzustand::Spielt;
    spielen_->setIcon(style()->standardIcon(spielt ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    spielen_->setToolTip(spielt ? QStringLiteral("Pause") : QStringLiteral("Abspielen"));
    spielen_->setEnabled(offen);
    stop_->setEnabled(offen);
    position_->setEnabled(offen);
    const qint64 dauer = std::max<qint64>(geraet_->dauer(), 0);
    position_->setRange(0, static_cast<int>(std::min<qint64>(dauer, std::numeric_limits<int>::max())));
    if (!position_->isSliderDown()) position_->setValue(static_cast<int>(std::min<qint64>(geraet_->position(), position_->maximum())));
    const QString stand = offen ? QStringLiteral("%1 %2").arg(modus(z), positionText(geraet_->position())) : modus(z);
    anzeige_->setText(stand);
    setWindowTitle(offen ? QStringLiteral("%1 - %2").arg(QFileInfo(datei_).fileName(), stand) : QStringLiteral("MCI - %1").arg(stand));
}

}  // namespace zor::app
