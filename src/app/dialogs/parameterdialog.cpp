#include "app/dialogs/parameterdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/dialogs/kenngroessen_panel.h"
#include "app/dialogs/knopfzeile.h"
#include "app/dialogs/parametervorlagen.h"
#include "app/dialogs/zieleingabe.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/warnton.h"
#include "core/plot/plotzahlen.h"

namespace zor::app {
namespace {

QString idName(int id) { return QStringLiteral("id_%1").arg(id); }

// The "Kurvenverlauf" choice each model keeps for its dialog.
int* simMerker(ZorState& s, Modellart art, int satz) {
    switch (art) {
    case Modellart::GE: return &satzSicht(s, satz).GE_sim;
    case Modellart::MC: return &satzSicht(s, satz).MC_sim;
    default: return &simVon(s, satz);
    }
}

}  // namespace

Parameterdialog::Parameterdialog(Kontext& kontext, Modellart art, QWidget* eltern)
    : QDialog(eltern), kontext_(kontext), vorlage_(parametervorlage(art)) {
    setObjectName(idName(vorlage_.dialogId));
    setModal(true);
    aufbauen();
    anfangswerte();
    for (const auto& [index, e] : eingaben_)
        connect(e, &QLineEdit::textChanged, this, &Parameterdialog::kenngroessenZeigen);
    kenngroessenZeigen();
    if (ziele_ && kenngroessen_->kenngroessen())
        ziele_->vorbelegen(*kenngroessen_->kenngroessen(), werte_[gemc::Bad], werte_[gemc::Good], werte_[gemc::Good_From_Bad],
                           werte_[gemc::Bad_From_Good]);
    groesseAnpassen();
    // Typing starts in the first value, not on a choice above it.
    if (erstesFeld_) {
        erstesFeld_->setFocus();
        erstesFeld_->selectAll();
    }
}

QLineEdit* Parameterdialog::feldHinzufuegen(QWidget* eltern, QGridLayout* gitter, int zeile, const Eingabefeld& f) {
    auto* beschriftung = new QLabel(QString::fromUtf8(f.beschriftung), eltern);
    beschriftung->setTextFormat(Qt::PlainText);
    auto* e = new QLineEdit(eltern);
    e->setObjectName(idName(f.id));
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0.000000000")) + 12);
    beschriftung->setBuddy(e);
    gitter->addWidget(beschriftung, zeile, 0);
    gitter->addWidget(e, zeile, 1);
    eingaben_[f.index] = e;
    if (!erstesFeld_) erstesFeld_ = e;
    return e;
}

void Parameterdialog::aufbauen() {
    auto* aussen = new QVBoxLayout(this);
    inhalt_ = new QWidget(this);
    auto* spalten = new QHBoxLayout(inhalt_);
    spalten->setContentsMargins(0, 0, 0, 0);
    auto* l = new QVBoxLayout;
    spalten->addLayout(l, 1);
    rollen_ = new QScrollArea(this);
    rollen_->setWidget(inhalt_);
    rollen_->setWidgetResizable(true);
    rollen_->setFrameShape(QFrame::NoFrame);
    aussen->addWidget(rollen_, 1);

    l->addWidget(new Modellbild(vorlage_.bild, inhalt_));

    auto* oben = new QGridLayout;
    oben->setColumnStretch(1, 1);
    int zeile = 0;
    for (const Eingabefeld& f : vorlage_.felder)
        if (f.rahmen == Rahmen::Keiner) feldHinzufuegen(inhalt_, oben, zeile++, f);
    l->addLayout(oben);

    for (Rahmen r : {Rahmen::Uebergaenge, Rahmen::Zustaende, Rahmen::Fehler}) {
        QGroupBox* rahmen = nullptr;
        QGridLayout* gitter = nullptr;
        zeile = 0;
        for (const Eingabefeld& f : vorlage_.felder) {
            if (f.rahmen != r) continue;
            if (!rahmen) {
                rahmen = new QGroupBox(QString::fromUtf8(rahmenTitel(r)), inhalt_);
                gitter = new QGridLayout(rahmen);
                gitter->setColumnStretch(1, 1);
                l->addWidget(rahmen);
            }
            feldHinzufuegen(rahmen, gitter, zeile++, f);
        }
    }
    kurvenwahlAufbauen(l);
    l->addStretch(1);
    // After the fields, so that the tab order and the first focus begin with them.
    spalten->addLayout(kenngroessenAufbauen());

    aussen->addLayout(okAbbrechenZeile(this, [this] { bestaetigen(); }, [this] { done(0); }));
}

QVBoxLayout* Parameterdialog::kenngroessenAufbauen() {
    auto* rechts = new QVBoxLayout;
    kenngroessen_ = new KenngroessenPanel(vorlage_.art, kontext_.zustand().FKF_defbereich, inhalt_);
    rechts->addWidget(kenngroessen_);
    if (vorlage_.art == Modellart::GE || vorlage_.art == Modellart::MC) {
        ziele_ = new Zieleingabe(
            vorlage_.art, [this](const Zielwerte& z, const Zieluebergaenge& u) { zieleUebernehmen(z, u); }, inhalt_);
        rechts->addWidget(ziele_);
    }
    rechts->addStretch(1);
    return rechts;
}

// The whole dialog where the screen holds it; otherwise it scrolls, buttons stay in view.
void Parameterdialog::groesseAnpassen() {
    QSize voll = inhalt_->sizeHint();
    const QSize rand(layout()->contentsMargins().left() + layout()->contentsMargins().right(),
                     layout()->contentsMargins().top() + layout()->contentsMargins().bottom() +
                         layout()->spacing() + findChild<QPushButton*>(idName(ID_BESTAETIGEN))->sizeHint().height());
    // Room for the window frame and a panel or task bar.
    const QSize platz = screen()->availableGeometry().size() - rand - QSize(16, 48);
    if (voll.height() > platz.height()) voll.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    rollen_->setMinimumSize(voll.boundedTo(platz));
    resize(minimumSizeHint().expandedTo(rollen_->minimumSize() + rand));
}

std::vector<std::string> Parameterdialog::texte() const {
    std::vector<std::string> t(werte_.size());
    for (const auto& [index, e] : eingaben_) t[static_cast<std::size_t>(index)] = e->text().toStdString();
    return t;
}

void Parameterdialog::kenngroessenZeigen() { kenngroessen_->zeigen(texte()); }

// The fields take what the quantities give; they stay what OK checks and stores.
void Parameterdialog::zieleUebernehmen(const Zielwerte& z, const Zieluebergaenge& u) {
    ModellWerte w{};
    zieleEintragen(w, z, u);
    for (int index : {int{gemc::Good_From_Bad}, int{gemc::Bad_From_Good}, int{gemc::Good}, int{gemc::Bad}})
        if (auto it = eingaben_.find(index); it != eingaben_.end())
            it->second->setText(QString::fromStdString(gcvtForm(w[static_cast<std::size_t>(index)], 7)));
}

void Parameterdialog::kurvenwahlAufbauen(QVBoxLayout* l) {
    auto* rahmen = new QGroupBox(QStringLiteral("Kurvenverlauf:"), inhalt_);
    auto* rl = new QVBoxLayout(rahmen);
    kurven_ = new QButtonGroup(this);
    struct Wahl {
        int id;
        const char* text;
    };
    std::vector<Wahl> wahl = {{ID_THEORETISCH, "&theoretisch"}, {ID_FEHLERFOLGE, "simuliert mit Fehler&folge"}};
    if (vorlage_.mitFehlerabstand) wahl.push_back({ID_FEHLERABSTAND, "simuliert mit Fehler&abstand"});
    for (const Wahl& w : wahl) {
        auto* r = new QRadioButton(QString::fromUtf8(w.text), rahmen);
        r->setObjectName(idName(w.id));
        kurven_->addButton(r, w.id);
        rl->addWidget(r);
    }
    connect(kurven_, &QButtonGroup::idClicked, this, &Parameterdialog::kurvenwahl);
    l->addWidget(rahmen);
    if (vorlage_.mitMcAusgabe) {
        mcAusgabe_ = new QCheckBox(QStringLiteral("Parameter des äquivalenten MC-Modells ausgeben"), inhalt_);
        mcAusgabe_->setObjectName(idName(ID_GEMC));
        connect(mcAusgabe_, &QCheckBox::toggled, this, [this](bool an) { gemc_ = an ? 1 : 0; });
        l->addWidget(mcAusgabe_);
    }
}

void Parameterdialog::anfangswerte() {
    ZorState& s = kontext_.zustand();
    const int init = s.Modell.dialog_init;
    setWindowTitle(QStringLiteral("Parametersatz %1: %2")
                       .arg(s.Modell.dialog_exit + 1)
                       .arg(QString::fromUtf8(vorlage_.modellname)));
    const auto werte = modellWerte(satzSicht(s, init), vorlage_.art);
    werte_.assign(werte.begin(), werte.end());
    sim_ = *simMerker(s, vorlage_.art, init);
    fabs_ = vorlage_.mitFehlerabstand ? bscSimfabsVon(s, init) : 0;
    gemc_ = vorlage_.mitMcAusgabe ? satzSicht(s, init).gemc : 0;
    durchlaeufe_ = durchlaeufe(s, vorlage_.art, init);
    for (const auto& [index, e] : eingaben_) {
        // The number of bits is shown exactly: seven digits would round 123456789.
        const bool bits = index == durchlaeufeIndex(vorlage_.art);
        e->setText(QString::fromStdString(bits ? durchlaeufeText(durchlaeufe_)
                                               : gcvtForm(werte_[static_cast<std::size_t>(index)], 7)));
    }
    kurvenwahl(sim_ == 0 ? ID_THEORETISCH : fabs_ == 1 ? ID_FEHLERABSTAND : ID_FEHLERFOLGE);
    if (mcAusgabe_) mcAusgabe_->setChecked(gemc_ != 0);
}

// Seed and runs matter only for a simulation.
void Parameterdialog::kurvenwahl(int id) {
    sim_ = id == ID_THEORETISCH ? 0 : 1;
    if (vorlage_.mitFehlerabstand) fabs_ = id == ID_FEHLERABSTAND ? 1 : 0;
    if (QAbstractButton* b = kurven_->button(id)) b->setChecked(true);
    for (QLineEdit* e : {findChild<QLineEdit*>(idName(ID_STARTWERT)), findChild<QLineEdit*>(idName(ID_DURCHLAEUFE))})
        if (e) e->setEnabled(sim_ == 1);
}

void Parameterdialog::bestaetigen() {
    const std::vector<std::string> t = texte();
    const ParameterPruefung p = parameterPruefen(vorlage_.art, t, werte_);
    if (p) {
        durchlaeufe_ = p.durchlaeufe;
        speichern();
        done(1);
        return;
    }
    if (abgelehnt(p) == 0) {
        done(0);
        return;
    }
    if (auto it = eingaben_.find(p.index); it != eingaben_.end() && it->second->isEnabled()) {
        it->second->setFocus();
        it->second->selectAll();
    }
}

// The refused field as the dialog shows it: its label without the "=", after it the
// frame it sits in.
QString Parameterdialog::feldname(int index) const {
    for (const Eingabefeld& f : vorlage_.felder) {
        if (f.index != index) continue;
        QString name = QString::fromUtf8(f.beschriftung).simplified();
        if (name.endsWith(QLatin1Char('='))) name.chop(1);
        name = name.trimmed();
        QString rahmen = QString::fromUtf8(rahmenTitel(f.rahmen));
        if (rahmen.endsWith(QLatin1Char(':'))) rahmen.chop(1);
        return rahmen.isEmpty() ? name : name + QStringLiteral(" (") + rahmen + QLatin1Char(')');
    }
    return {};
}

// The warning sound, then the retry/cancel question that fits the refusal, with a line
// naming the field and the rule it broke.
int Parameterdialog::abgelehnt(const ParameterPruefung& p) {
    const QString zeile = QString::fromStdString(feldZeile(feldname(p.index).toStdString(), p.regel));
    if (p.art != Ablehnung::Zustandssumme)
        return EingabeAbgelehnt(p.art == Ablehnung::Startwert ? DLG_STARTFEHLER : DLG_EINGABEFEHLER, kontext_.warnton(),
                                this, zeile);
    kontext_.warnton().PlayTheResourceWave(WARNTON);
    const Antwort a =
        kontext_.meldung().zeige(QString::fromUtf8(TEXT_ZUSTANDSSUMME) + QStringLiteral("\n\n") + zeile,
                                 QStringLiteral("Eingabefehler"), Symbol::Stopp, Knoepfe::WiederholenAbbrechen);
    return a == Antwort::Wiederholen ? 1 : 0;
}

void Parameterdialog::speichern() {
    ZorState& s = kontext_.zustand();
    const int satz = s.Modell.dialog_exit;
    *simMerker(s, vorlage_.art, satz) = sim_;
    simVon(s, satz) = sim_;
    if (vorlage_.mitFehlerabstand) bscSimfabsVon(s, satz) = fabs_;
    if (vorlage_.mitMcAusgabe) satzSicht(s, satz).gemc = gemc_;
    const auto ziel = modellWerte(satzSicht(s, satz), vorlage_.art);
    std::copy(werte_.begin(), werte_.end(), ziel.begin());
    durchlaeufeSetzen(s, vorlage_.art, satz, durchlaeufe_);
    ungueltigMachen(s, satz);
    if (s.Fenster.null == 0) s.Fenster.aktualisiert = 0;
}

int ParameterdialogAusfuehren(Kontext& kontext, Modellart art) {
    Parameterdialog d(kontext, art, kontext.fenster());
    return d.exec() == 1 ? 1 : 0;
}

}  // namespace zor::app
