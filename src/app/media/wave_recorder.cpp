#include "app/media/wave_recorder.h"
#include "app/media/wellenform.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "app/media/medienfilter.h"
#include "app/media/tonaufnahme.h"
#include "app/media/wiedergabe.h"
#include "app/platform/meldungsdienst.h"
#include "core/io/ausgabedatei.h"
#include "core/io/blockleser.h"
#include "core/io/signale.h"
#include "core/util/systemfehler.h"

namespace zor::app {
namespace {

const QString TITEL_MELDUNG = QStringLiteral("Message");
constexpr unsigned WIEDERGABE_LAEUFT_NICHT = 65535;  // playtime while a recording runs
constexpr unsigned HOECHST_TICKS = WaveAufnahme::HOECHSTDAUER_MS / WaveAufnahme::TICK_MS;

struct Knopf {
    int id;
    const char* text;
    QStyle::StandardPixmap bild;
};
// Display order; the enabling table below follows it.
const Knopf KNOEPFE[6] = {
    {WaveAufnahme::ID_OEFFNEN, "Ö&ffnen...", QStyle::SP_DialogOpenButton},
    {WaveAufnahme::ID_SPEICHERN, "&Speichern...", QStyle::SP_DialogSaveButton},
    {WaveAufnahme::ID_AUFNAHME, "Auf&nahme", QStyle::SP_CustomBase},
    {WaveAufnahme::ID_ABSPIELEN, "&Abspielen", QStyle::SP_MediaPlay},
    {WaveAufnahme::ID_STOP, "S&top", QStyle::SP_MediaStop},
    {WaveAufnahme::ID_SCHLIESSEN, "S&chließen", QStyle::SP_DialogCloseButton},
};
// Which buttons each state enables, in the order of KNOEPFE.
const bool FREIGABE[4][6] = {
    {true, false, true, false, false, true},   // idle
    {true, true, true, true, false, true},     // loaded
    {false, false, false, false, true, true},  // recording
    {false, false, false, false, true, true},  // playing
};

QIcon aufnahmeBild() { return QIcon(QStringLiteral(":/icons/aufnahme.svg")); }

// Copies through a temporary file beside the target, renamed into place at the end.
Fehlertext kopiereDatei(const QString& quelle, const QString& ziel, const Eingaben& geschuetzt) {
    const std::string q = QFile::encodeName(quelle).toStdString(), z = QFile::encodeName(ziel).toStdString();
    Eingaben eingaben = geschuetzt;
    eingaben.push_back(q);
    if (auto nein = ausgabeVerweigert(z, eingaben)) return QString::fromStdString(*nein);
    Blockleser in(q);
    if (!in.offen()) return QStringLiteral("Die Datei %1 lässt sich nicht lesen.").arg(quelle);
    Ausgabedatei aus(z, eingaben);
    // The system's reason on the next line: a full disk and a missing folder read differently.
    const auto gescheitert = [&](const char* muster) {
        return QString::fromStdString(mitGrund(QString::fromUtf8(muster).arg(ziel).toStdString(), aus.fehlernummer()));
    };
    if (!aus.ok()) return gescheitert("Die Datei %1 lässt sich nicht anlegen.");
    for (auto b = in.naechster(); !b.empty(); b = in.naechster())
        if (!aus.schreiben(b.data(), b.size())) return gescheitert("Die Datei %1 lässt sich nicht schreiben.");
    if (in.fehler()) return QStringLiteral("Die Datei %1 lässt sich nicht lesen.").arg(quelle);
    if (!aus.abschliessen()) return gescheitert("Die Datei %1 lässt sich nicht schreiben.");
    return std::nullopt;
}

QString keineDatei() { return (QDir::currentPath() + QStringLiteral("/Keine Datei.WAV")).toLower(); }

}  // namespace

QString zeitText(unsigned zehntel) {
    return QStringLiteral("%1.%2 sec.").arg(zehntel / 10).arg(zehntel % 10);
}

WaveAufnahme::WaveAufnahme(Meldungsdienst& meldung, Dateiwahl& dateiwahl, Wiedergabe& spieler,
                           Tonaufnahme& aufnahme, QWidget* eltern, Eingaben geschuetzt)
    : QDialog(eltern), meldung_(meldung), dateiwahl_(dateiwahl), spieler_(spieler), aufnahme_(aufnahme),
      geschuetzt_(std::move(geschuetzt)), ab_(spieler) {
    // A recording lies in the temporary folder until saved; a TERM or INT must not leave it.
    if (temp_.isValid()) {
        beiSignalEntfernen(QFile::encodeName(aufnahmeDatei()).toStdString());
        beiSignalEntfernen(QFile::encodeName(temp_.path()).toStdString());
    }
    setObjectName(QStringLiteral("id_%1").arg(DLG_WAVE));
    setWindowTitle(QStringLiteral("Wave Aufnahme"));
    uhr_.setParent(this);
    uhr_.setObjectName(QStringLiteral("uhr"));
    baueOberflaeche();
    uhr_.setInterval(TICK_MS);
    connect(&uhr_, &QTimer::timeout, this, &WaveAufnahme::wave_OnTimer);
    connect(&spieler_, &Wiedergabe::fertig, this, &WaveAufnahme::abgeschlossen);
    connect(&aufnahme_, &Tonaufnahme::beendet, this, &WaveAufnahme::aufnahmeBeendet);
    setzeZustand(Zustand::Leer);
    setzePfad(keineDatei());
    zeigeZeit(0);
}

WaveAufnahme::~WaveAufnahme() {
    disconnect(&spieler_, nullptr, this, nullptr);
    disconnect(&aufnahme_, nullptr, this, nullptr);
    nichtMehrEntfernen(QFile::encodeName(aufnahmeDatei()).toStdString());
    nichtMehrEntfernen(QFile::encodeName(temp_.path()).toStdString());
}

void WaveAufnahme::baueOberflaeche() {
    auto* felder = new QGridLayout;
    auto feld = [this, felder](int zeile, const char* name, int id) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("id_%1").arg(id));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        felder->addWidget(new QLabel(QString::fromUtf8(name), this), zeile, 0);
        felder->addWidget(e, zeile, 1);
        return e;
    };
    pfad_ = feld(0, "Datei:", ID_WAVE_DATEI);
    zeit_ = feld(1, "Zeit:", ID_ZEIT);
    pfad_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    zeit_->setMaximumWidth(fontMetrics().averageCharWidth() * 14);

    auto* reihe = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        const Knopf& k = KNOEPFE[i];
        auto* b = new QPushButton(QString::fromUtf8(k.text), this);
        b->setObjectName(QStringLiteral("id_%1").arg(k.id));
        b->setIcon(k.bild == QStyle::SP_CustomBase ? aufnahmeBild() : style()->standardIcon(k.bild));
        b->setAutoDefault(false);
        knoepfe_[i] = b;
        // "Schließen" stays at the right edge when the window grows.
        if (i == 2) reihe->addSpacing(12);
        if (i == 5) reihe->addStretch();
        reihe->addWidget(b);
    }
    knoepfe_[5]->setDefault(true);
    connect(knoepfe_[0], &QPushButton::clicked, this, &WaveAufnahme::oeffnen);
    connect(knoepfe_[1], &QPushButton::clicked, this, &WaveAufnahme::speichern);
    connect(knoepfe_[2], &QPushButton::clicked, this, &WaveAufnahme::aufnehmen);
    connect(knoepfe_[3], &QPushButton::clicked, this, &WaveAufnahme::abspielen);
    connect(knoepfe_[4], &QPushButton::clicked, this, &WaveAufnahme::stoppen);
    connect(knoepfe_[5], &QPushButton::clicked, this, &WaveAufnahme::reject);

    auto* vergleich = new QHBoxLayout;
    vergleich_ = new QPushButton(QStringLiteral("&Vergleichen mit..."), this);
    vergleich_->setObjectName(QStringLiteral("id_%1").arg(ID_VERGLEICH));
    abKnopf_ = new QPushButton(QStringLiteral("A/&B"), this);
    abKnopf_->setObjectName(QStringLiteral("id_%1").arg(ID_AB));
    abKnopf_->setCheckable(true);
    abKnopf_->setToolTip(QStringLiteral("Wechselt an derselben Stelle zwischen Original (A) und Kopie (B)"));
    for (QPushButton* b : {vergleich_, abKnopf_}) {
        b->setAutoDefault(false);
        vergleich->addWidget(b);
    }
    differenz_ = new QCheckBox(QStringLiteral("Als &Differenz zeigen"), this);
    differenz_->setObjectName(QStringLiteral("id_%1").arg(ID_DIFFERENZ));
    differenz_->setToolTip(QStringLiteral("Zeigt statt der Kopie ihre Abweichung vom Original (B − A)"));
    vergleich->addSpacing(12);
    vergleich->addWidget(differenz_);
    vergleich->addStretch();
    connect(vergleich_, &QPushButton::clicked, this, &WaveAufnahme::vergleichen);
    connect(abKnopf_, &QPushButton::clicked, this, &WaveAufnahme::abUmschalten);
    wellen_ = new Wellenform(this);
    connect(differenz_, &QCheckBox::toggled, wellen_, &Wellenform::setzeDifferenz);
    connect(wellen_, &Wellenform::angeklickt, this, &WaveAufnahme::springeNach);
    connect(&spieler_, &Wiedergabe::positionGeaendert, this, &WaveAufnahme::markeNachfuehren);
    // The fields and buttons keep their place; a larger window gives the waveform the room.
    wellen_->setMinimumSize(640, 220);
    wellen_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(felder);
    aussen->addSpacing(6);
    aussen->addLayout(reihe);
    aussen->addLayout(vergleich);
    aussen->addWidget(wellen_, 1);
}

void WaveAufnahme::setzeZustand(Zustand z) {
    zustand_ = z;
    for (int i = 0; i < 6; ++i) knoepfe_[i]->setEnabled(FREIGABE[static_cast<int>(z)][i]);
    vergleich_->setEnabled(z == Zustand::Geladen);
    abKnopf_->setEnabled(ab_.bereit() && (z == Zustand::Geladen || z == Zustand::Wiedergabe));
    abKnopf_->setChecked(ab_.hoertB());
    differenz_->setEnabled(ab_.bereit() && z != Zustand::Aufnahme);
}

void WaveAufnahme::zeigeZeit(unsigned zehntel) { zeit_->setText(zeitText(zehntel)); }

void WaveAufnahme::setzePfad(const QString& pfad) { pfad_->setText(pfad.toLower()); }

// The backend's own text first, then the recorder's message, both as notices.
void WaveAufnahme::melde(const QString& geraetetext, const QString& eigenerText) {
    meldung_.zeige(geraetetext, TITEL_MELDUNG, Symbol::Information);
    if (!eigenerText.isEmpty()) meldung_.zeige(eigenerText, TITEL_MELDUNG, Symbol::Information);
}

void WaveAufnahme::schliesseKlang() {
    spieler_.schliesse();
    datei_.clear();
    startMs_ = 0;
    ab_.setze({}, {});
    wellen_->setzeDateien({});
}

void WaveAufnahme::oeffnen() {
    schliesseKlang();
    setzeZustand(Zustand::Leer);
    setzePfad(keineDatei());
    recordtime_ = 0;
    zeigeZeit(recordtime_);  // the length of a recording no longer shown applies to nothing
    const auto name = dateiwahl_.GetFileNameInFWK(QStringLiteral("Datei öffnen"), QString(), SATZ_WAVE);
    if (!name) return;
    if (const Fehlertext fehler = spieler_.oeffne(*name)) {
        melde(*fehler, QStringLiteral("Öffnen der Datei nicht möglich!"));
        return;
    }
    datei_ = *name;
    wellen_->setzeDateien(*name);
    setzeZustand(Zustand::Geladen);
    setzePfad(*name);
}

void WaveAufnahme::vergleichen() {
    if (zustand_ != Zustand::Geladen) return;
    const auto name = dateiwahl_.GetFileNameInFWK(QStringLiteral("Vergleichen mit"), QString(), SATZ_WAVE);
    if (!name) return;
    // B is heard through A/B; back on A first, so the pair starts from the original.
    if (ab_.hoertB()) ab_.umschalten(startMs_);
    ab_.setze(datei_, *name);
    wellen_->setzeDateien(datei_, *name);
    setzeZustand(zustand_);
}

void WaveAufnahme::abUmschalten() {
    schaltet_ = true;
    const bool spielt = spieler_.zustand() == Spielzustand::Spielt;
    const Fehlertext fehler = ab_.umschalten(spielt ? spieler_.position() : startMs_);
    schaltet_ = false;
    if (fehler) melde(*fehler, QStringLiteral("Öffnen der Datei nicht möglich!"));
    setzeZustand(spieler_.zustand() == Spielzustand::Spielt ? Zustand::Wiedergabe
                 : zustand_ == Zustand::Wiedergabe         ? Zustand::Geladen
                                                           : zustand_);
}

void WaveAufnahme::springeNach(qint64 ms) {
    if (zustand_ != Zustand::Geladen && zustand_ != Zustand::Wiedergabe) return;
    startMs_ = ms;
    spieler_.springe(ms);
}

// Only a running playback moves the marker: a backend that rewinds on stop leaves it where
// playback stopped.
void WaveAufnahme::markeNachfuehren(qint64 ms) {
    if (zustand_ == Zustand::Wiedergabe && !schaltet_ && spieler_.zustand() == Spielzustand::Spielt)
        wellen_->setzeMarke(ms);
}

void WaveAufnahme::aufnehmen() {
    schliesseKlang();
    const QString ziel = aufnahmeDatei();
    Fehlertext fehler = temp_.isValid() ? aufnahme_.starte(ziel, HOECHSTDAUER_MS)
                                        : Fehlertext(QStringLiteral("Kein Platz für die Aufnahme: %1").arg(temp_.errorString()));
    if (fehler) {
        setzeZustand(Zustand::Leer);
        setzePfad(QString());
        melde(*fehler, QStringLiteral("Aufnahme nicht möglich"));
        return;
    }
    datei_ = ziel;
    recordtime_ = 0;
    playtime_ = WIEDERGABE_LAEUFT_NICHT;
    uhr_.start();
    setzeZustand(Zustand::Aufnahme);
    setzePfad(keineDatei());
    zeigeZeit(recordtime_);
}

void WaveAufnahme::abspielen() {
    if (zustand_ != Zustand::Geladen) return;
    spieler_.springe(startMs_);
    if (const Fehlertext fehler = spieler_.spiele()) {
        melde(*fehler, QStringLiteral("Abspielen nicht möglich!"));
        return;
    }
    playtime_ = 0;
    zeigeZeit(playtime_);
    uhr_.start();
    setzeZustand(Zustand::Wiedergabe);
}

void WaveAufnahme::stoppen() {
    if (zustand_ == Zustand::Aufnahme)
        aufnahme_.beende();
    else if (zustand_ == Zustand::Wiedergabe) {
        markeNachfuehren(spieler_.position());
        spieler_.stoppe();
    }
    // A backend that stopped without a notice still ends the run here.
    if (zustand_ == Zustand::Aufnahme) aufnahmeBeendet();
    if (zustand_ == Zustand::Wiedergabe) abgeschlossen();
}

void WaveAufnahme::wave_OnTimer() {
    if (zustand_ == Zustand::Wiedergabe && playtime_ != WIEDERGABE_LAEUFT_NICHT) {
        zeigeZeit(++playtime_);
        markeNachfuehren(spieler_.position());
    } else if (zustand_ == Zustand::Aufnahme) {
        // The time captured, not the time since the start: both are what gets saved.
        recordtime_ = aufgenommeneZehntel();
        zeigeZeit(recordtime_);
        if (recordtime_ >= HOECHST_TICKS) stoppen();
    }
}

unsigned WaveAufnahme::aufgenommeneZehntel() const {
    return static_cast<unsigned>((std::max<qint64>(0, aufnahme_.aufgenommenMs()) + TICK_MS / 2) / TICK_MS);
}

void WaveAufnahme::aufnahmeBeendet() {
    if (zustand_ != Zustand::Aufnahme) return;
    uhr_.stop();
    recordtime_ = aufgenommeneZehntel();
    // The finished recording becomes the sound the recorder plays and saves.
    if (const Fehlertext fehler = spieler_.oeffne(datei_)) {
        datei_.clear();
        setzeZustand(Zustand::Leer);
        zeigeZeit(recordtime_);
        melde(*fehler, QStringLiteral("Öffnen der Datei nicht möglich!"));
        return;
    }
    wellen_->setzeDateien(datei_);
    abgeschlossen();
}

void WaveAufnahme::abgeschlossen() {
    if (schaltet_ || (zustand_ != Zustand::Aufnahme && zustand_ != Zustand::Wiedergabe)) return;
    uhr_.stop();
    setzeZustand(Zustand::Geladen);
    zeigeZeit(recordtime_);
}

void WaveAufnahme::speichern() {
    if (zustand_ != Zustand::Geladen || datei_.isEmpty()) return;
    const auto name = dateiwahl_.GetFileNameOutFWK(QStringLiteral("Speichern unter"), QString(), SATZ_WAVE);
    if (!name) return;
    // Nothing was saved: a warning, not a note from the sound device.
    if (const Fehlertext fehler = kopiereDatei(datei_, *name, geschuetzt_)) {
        meldung_.zeige(*fehler, TITEL_MELDUNG, Symbol::Ausrufezeichen);
        return;
    }
    setzePfad(*name);
}

void WaveAufnahme::reject() {
    stoppen();
    schliesseKlang();
    QDialog::reject();
}

}  // namespace zor::app
