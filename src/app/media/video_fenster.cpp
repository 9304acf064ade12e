#include "app/media/video_fenster.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/texte.h"
#include "app/media/bildflaeche.h"
#include "app/media/bildknopf.h"
#include "app/media/medienfilter.h"
#include "app/media/wiedergabe.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {
namespace {

struct Knopfzeile {
    int id;
    int y;
    const char* bild;  // icons :/icons/knopf_<bild>.svg and knopf_<bild>_gedrueckt.svg
    const char* tipp;
};
const Knopfzeile KNOEPFE[] = {
    {VideoFenster::KNOPF_OEFFNEN, 20, "oeffnen", "Öffnen"},
    {VideoFenster::KNOPF_VOR, 60, "vor", "Ein Bild vorwärts"},
    {VideoFenster::KNOPF_ZURUECK, 100, "zurueck", "Ein Bild zurück"},
    {VideoFenster::KNOPF_ANFANG, 140, "anfang", "Zum Anfang"},
    {VideoFenster::KNOPF_ENDE, 180, "ende", "Zum Ende"},
    {VideoFenster::KNOPF_SPIELEN, 220, "spielen", "Abspielen oder anhalten"},
};
constexpr int KNOPF_X = 10;
constexpr int FILM_RECHTS = 30;

struct Menuepunkt {
    int id;
    const char* text;
};
const Menuepunkt DATEI[] = {
    {CMD_VIDEO_OEFFNEN, "Ö&ffnen..."}, {CMD_SCHLIESSEN, "&Schließen"}, {CMD_BEENDEN, "&Beenden"}};
const Menuepunkt BEARBEITEN[] = {
    {CMD_VIDEO_ABSPIELEN, "&Abspielen"},
    {CMD_VIDEO_RUECKWAERTS, "&Rückwärts"},
    {CMD_VIDEO_ANFANG, "&Anfang"},
    {CMD_VIDEO_ENDE, "&Ende"},
    {CMD_VIDEO_VORWAERTS, "S&crittweise vorwärts"},
    {CMD_VIDEO_ZURUECK, "Sc&hrittweise rückwärts"},
    {CMD_VIDEO_STOP, "S&top"},
};

QIcon knopfBild(const char* name, const char* zusatz) {
    return QIcon(QStringLiteral(":/icons/knopf_%1%2.svg").arg(QLatin1String(name), QLatin1String(zusatz)));
}

}  // namespace

QRect filmRechteck(QSize flaeche, QSize film) {
    return {flaeche.width() / 2 - film.width() / 2 + FILM_RECHTS, flaeche.height() / 2 - film.height() / 2,
            film.width(), film.height()};
}

VideoFenster::VideoFenster(Kontext& kontext, std::unique_ptr<Wiedergabe> geraet, QWidget* eltern)
    : QMainWindow(eltern, Qt::Window), kontext_(kontext), geraet_(std::move(geraet)), flaeche_(new QWidget(this)),
      film_(new Bildflaeche(flaeche_)) {
    setObjectName(QStringLiteral("video"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowIcon(QIcon(QStringLiteral(":/icons/video.svg")));
    flaeche_->setObjectName(QStringLiteral("flaeche"));
    flaeche_->installEventFilter(this);
    setCentralWidget(flaeche_);
    film_->hide();
    connect(geraet_.get(), &Wiedergabe::bild, film_, &Bildflaeche::zeige);
    baueMenue();
    baueKnoepfe();
    ChangeWindowTitle(QString());

    // Half the MDI area, a quarter of it in from its origin.
    const QWidget& mdi = kontext_.mdiFlaeche();
    const QSize g = mdi.size();
    flaeche_->setMinimumSize(KNOPF_X * 2 + knoepfe_.first()->width(), KNOEPFE[5].y + knoepfe_.first()->height() + 10);
    resize(g.width() / 2, g.height() / 2);
    move(mdi.mapToGlobal(QPoint(g.width() / 4, g.height() / 4)));

    kontext_.setzeAktiv(CMD_VIDEO, false);
    setzeKnoepfe(false);
}

VideoFenster::~VideoFenster() { disconnect(geraet_.get(), nullptr, this, nullptr); }

void VideoFenster::baueMenue() {
    auto fuelle = [this](QMenu* m, const auto& punkte) {
        for (const Menuepunkt& p : punkte) {
            QAction* a = m->addAction(QString::fromUtf8(p.text));
            a->setObjectName(QStringLiteral("id_%1").arg(p.id));
            const int id = p.id;
            connect(a, &QAction::triggered, this, [this, id] { PopupVideo_OnCommand(id); });
        }
    };
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    fuelle(datei, DATEI);
    connect(datei, &QMenu::aboutToShow, this, [this] {
        findChild<QAction*>(QStringLiteral("id_%1").arg(CMD_SCHLIESSEN))->setEnabled(videoOffen_);
    });
    bearbeiten_ = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    fuelle(bearbeiten_, BEARBEITEN);
    QAction* spielen = findChild<QAction*>(QStringLiteral("id_%1").arg(CMD_VIDEO_ABSPIELEN));
    spielen->setCheckable(true);
    connect(bearbeiten_, &QMenu::aboutToShow, this, [this, spielen] { spielen->setChecked(videoSpielt_); });
    bearbeiten_->menuAction()->setEnabled(false);
}

void VideoFenster::baueKnoepfe() {
    for (const Knopfzeile& k : KNOEPFE) {
        auto* b = new BildKnopf(k.id, knopfBild(k.bild, ""), knopfBild(k.bild, "_gedrueckt"), flaeche_);
        b->move(KNOPF_X, k.y);
        b->setToolTip(QString::fromUtf8(k.tipp));
        const int id = k.id;
        connect(b, &QAbstractButton::clicked, this, [this, id] { PopupVideo_OnCommand(id); });
        knoepfe_ << b;
    }
}

void VideoFenster::setzeKnoepfe(bool aktiv) {
    for (BildKnopf* b : knoepfe_)
        if (b->id() != KNOPF_OEFFNEN) b->setEnabled(aktiv);
}

void VideoFenster::PopupVideo_OnCommand(int id) {
    switch (id) {
    case CMD_VIDEO_OEFFNEN:
    case KNOPF_OEFFNEN:
        if (const auto datei = kontext_.dateiwahl().GetFileNameInFWK(QStringLiteral("Öffnen"), QString(), SATZ_VIDEO))
            GetSetInfos(*datei);
        break;
    case CMD_SCHLIESSEN:
        CloseTheVideoFile();
        setzeKnoepfe(false);
        break;
    case CMD_BEENDEN: close(); break;
    case CMD_VIDEO_ABSPIELEN:
    case CMD_VIDEO_RUECKWAERTS:
    case KNOPF_SPIELEN: PlayTheVideo(id); break;
    case CMD_VIDEO_ANFANG:
    case CMD_VIDEO_ENDE:
    case KNOPF_ANFANG:
    case KNOPF_ENDE: seekMovie(id); break;
    case CMD_VIDEO_VORWAERTS:
    case CMD_VIDEO_ZURUECK:
    case KNOPF_VOR:
    case KNOPF_ZURUECK: stepMovie(id); break;
    case CMD_VIDEO_STOP:
        if (videoSpielt_) PlayTheVideo(0);
        geraet_->stoppe();
        break;
    default: break;
    }
}

void VideoFenster::GetSetInfos(const QString& datei) {
    CloseTheVideoFile();
    if (const Fehlertext fehler = geraet_->oeffne(datei)) {
        videoOffen_ = false;
        kontext_.meldung().zeige(*fehler, QStringLiteral("Message"), Symbol::Information);
        kontext_.meldung().zeige(text(TXT_VIDEO_NICHT_GEOEFFNET), QString::fromUtf8(TITEL_FEHLER), Symbol::Ausrufezeichen);
    } else {
        videoOffen_ = true;
        film_->setVisible(geraet_->hatBild());
        positionMovie();
    }
    ChangeWindowTitle(videoOffen_ ? datei : QString());
    setzeKnoepfe(true);
}

void VideoFenster::ChangeWindowTitle(const QString& datei) {
    setWindowTitle(datei.isEmpty() ? text(TXT_VIDEO_TITEL) : datei);
    bearbeiten_->menuAction()->setEnabled(videoOffen_);
    update();
}

void VideoFenster::PlayTheVideo(int befehl) {
    videoSpielt_ = befehl == 0 ? false : !videoSpielt_;
    if (videoSpielt_) {
        if (const Fehlertext fehler = geraet_->spiele(befehl == CMD_VIDEO_RUECKWAERTS)) {
            videoSpielt_ = false;
            kontext_.meldung().zeige(*fehler, QStringLiteral("Message"), Symbol::Information);
        }
    } else if (befehl == KNOPF_SPIELEN || befehl == CMD_VIDEO_ABSPIELEN) {
        geraet_->pausiere();
    }
}

void VideoFenster::haltAn() {
    if (videoSpielt_) PlayTheVideo(0);
    if (geraet_->zustand() == Spielzustand::Spielt) geraet_->pausiere();
}

void VideoFenster::seekMovie(int befehl) {
    haltAn();
    if (befehl == CMD_VIDEO_ANFANG || befehl == KNOPF_ANFANG)
        geraet_->springe(0);
    else
        geraet_->springe(geraet_->dauer());
}

void VideoFenster::stepMovie(int befehl) {
    haltAn();
    const qint64 schritt = geraet_->bilddauer();
    const bool vor = befehl == KNOPF_VOR || befehl == CMD_VIDEO_VORWAERTS;
    geraet_->springe(geraet_->position() + (vor ? schritt : -schritt));
}

void VideoFenster::positionMovie() {
    if (!videoOffen_) return;
    film_->setGeometry(filmRechteck(flaeche_->size(), geraet_->bildgroesse()));
}

void VideoFenster::CloseTheVideoFile() {
    if (videoOffen_) geraet_->schliesse();
    videoSpielt_ = false;
    videoOffen_ = false;
    film_->leere();
    film_->hide();
    ChangeWindowTitle(QString());
}

void VideoFenster::closeEvent(QCloseEvent* e) {
    CloseTheVideoFile();
    kontext_.setzeAktiv(CMD_VIDEO, true);
    e->accept();
}

bool VideoFenster::eventFilter(QObject* o, QEvent* e) {
    if (o == flaeche_ && e->type() == QEvent::Resize) positionMovie();
    return QMainWindow::eventFilter(o, e);
}

}  // namespace zor::app
