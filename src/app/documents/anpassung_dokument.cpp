#include "app/documents/anpassung_dokument.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"
#include "core/documents/anpassung_tabelle.h"
#include "core/models/satzparameter.h"
#include "core/models/vorgaben.h"

namespace zor::app {
namespace {

constexpr const char* TEXT_KEINE_FOLGE =
    "Noch keine Fehlerfolge gewählt: eine Datei (FFO, FAB, VGL) oder die Folge eines Parametersatzes.";
constexpr const char* TEXT_FOLGE = "Fehlerfolge: %1 – %2";
constexpr const char* TEXT_SATZ = "Parametersatz %1";

struct Knopf {
    int id;
    const char* text;
    const char* tipp;
};
constexpr Knopf DATEI{ID_ANPASSUNG_DATEI, "&Datei...", "Eine Fehlerfolge (FFO), einen Fehlerabstand (FAB) oder eine "
                                                        "Vergleichsdatei (VGL) anpassen"};
constexpr Knopf SATZ[2] = {{ID_ANPASSUNG_SATZ1, "Folge von Satz &1", "Die aktuelle Fehlerfolge von Parametersatz 1 anpassen"},
                           {ID_ANPASSUNG_SATZ2, "Folge von Satz &2", "Die aktuelle Fehlerfolge von Parametersatz 2 anpassen"}};
constexpr Knopf IN_SATZ[2] = {
    {ID_ANPASSUNG_IN_SATZ1, "In Parametersatz 1 &übernehmen", "Das markierte Modell in Parametersatz 1 legen"},
    {ID_ANPASSUNG_IN_SATZ2, "In Parametersatz 2 ü&bernehmen", "Das markierte Modell in Parametersatz 2 legen"}};

QString id(int n) { return QStringLiteral("id_%1").arg(n); }

// The overlay area: the document's own painting at the area's size.
class Ueberlagerung : public QWidget {
public:
    Ueberlagerung(AnpassungDokument& d, QWidget* eltern) : QWidget(eltern), d_(d) {
        setObjectName(id(ID_ANPASSUNG_BILD));
        setMinimumSize(60, 40);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        d_.zeichnen(p, size());
    }

private:
    AnpassungDokument& d_;
};

// What the worker hands back: the sequence's reading (without its gaps) and the fit.
struct Lauf {
    Folgeneingabe eingabe;
    Anpassung anpassung;
};

// The help picture: set 2 simulating the GE start values long enough for bursts to show,
// its sequence fitted, the window maximised.
Bildrezept anpassungsBild() {
    const QString name = QStringLiteral("anpassung");
    return {name, {}, [name](Bildaufnahme& a) {
                if (!modellDokumentZeigen(a, CMD_OEFFNEN_ANPASSUNG, name)) return;
                auto* d = qobject_cast<AnpassungDokument*>(a.kontext().mdiFlaeche().activeSubWindow()->widget());
                if (!d) return a.fehler(name + QStringLiteral(": falsches Fenster"));
                ZorState& s = a.kontext().zustand();
                vorgabeSetzen(s, 1, *vorgabe("ge1"));
                durchlaeufeSetzen(s, Modellart::GE, 1, 200000);
                d->satzAnpassen(1);
                if (!a.warte([d] { return d->anpassung().ok; }, 120000))
                    return a.fehler(name + QStringLiteral(": Anpassung nicht fertig"));
                a.bild(a.kontext().fenster(), name);
            }};
}

}  // namespace

AnpassungDokument::AnpassungDokument(Kontext& kontext, Vorlagenquelle vorlagen)
    : ModellDokument(kontext, dokumentart()), vorlagen_(std::move(vorlagen)) {
    auto* leiste = new QToolBar(this);
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto knopf = [&](const Knopf& k, auto handler) {
        QAction* a = leiste->addAction(QString::fromUtf8(k.text), this, handler);
        a->setToolTip(QString::fromUtf8(k.tipp));
        leiste->widgetForAction(a)->setObjectName(id(k.id));
        return a;
    };
    knopf(DATEI, [this] {
        if (const auto pfad = this->kontext().dateiwahl().GetFileNameInFWK(QString::fromUtf8(TITEL_ANPASSUNG), {},
                                                                           SATZ_FOLGEN))
            dateiAnpassen(*pfad);
    });
    for (int satz : {0, 1}) knopf(SATZ[satz], [this, satz] { satzAnpassen(satz); });
    leiste->addSeparator();
    for (int satz : {0, 1}) {
        QAction* a = knopf(IN_SATZ[satz], [this, satz] { uebernehmen(satz); });
        a->setEnabled(false);
        inSatzAktion_[satz] = a;
    }
    leiste->addSeparator();
    log_ = new QCheckBox(QStringLiteral("&Logarithmische Ordinate"), leiste);
    log_->setObjectName(id(ID_ANPASSUNG_LOG));
    log_->setChecked(true);
    leiste->addWidget(log_);

    folge_ = new QLabel(QString::fromUtf8(TEXT_KEINE_FOLGE), this);
    folge_->setWordWrap(true);
    folge_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tabelle_ = new QTableWidget(0, static_cast<int>(ANPASSUNG_SPALTEN), this);
    tabelle_->setObjectName(id(ID_ANPASSUNG_TABELLE));
    QStringList kopf;
    for (const char* k : ANPASSUNG_KOPF) kopf << QString::fromUtf8(k);
    tabelle_->setHorizontalHeaderLabels(kopf);
    tabelle_->resizeColumnsToContents();
    tabelle_->verticalHeader()->hide();
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->setWordWrap(false);
    bild_ = new Ueberlagerung(*this, this);
    hinweise_ = new QLabel(this);
    hinweise_->setWordWrap(true);
    hinweise_->hide();

    teiler_ = new QSplitter(Qt::Vertical, this);
    teiler_->addWidget(tabelle_);
    teiler_->addWidget(bild_);
    // A resize goes to the diagrams; the table keeps the rows it shows.
    teiler_->setStretchFactor(0, 0);
    teiler_->setStretchFactor(1, 1);
    teiler_->setChildrenCollapsible(false);
    teiler_->setSizes({120, 400});
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 0, 4, 4);
    spalte->setSpacing(4);
    spalte->addWidget(leiste);
    spalte->addWidget(folge_);
    spalte->addWidget(teiler_, 1);
    spalte->addWidget(hinweise_);

    connect(log_, &QCheckBox::toggled, bild_, qOverload<>(&QWidget::update));
    // Ctrl+C copies the whole fit, also while the table (which would copy one cell) has the focus.
    auto* kopie = new QShortcut(QKeySequence::Copy, this, this, &AnpassungDokument::kopieren);
    kopie->setContext(Qt::WidgetWithChildrenShortcut);
}

const ModellDokumentart& AnpassungDokument::dokumentart() {
    static const ModellDokumentart a{
        .fenster = {.name = QStringLiteral("anpassung"),
                    .hilfe = QStringLiteral("anpassung.hlp"),
                    .befehl = CMD_OEFFNEN_ANPASSUNG,
                    .titel = QString::fromUtf8(TITEL_ANPASSUNG),
                    .kontextMenue = MENU_ZOR,
                    .modell = Modellfenster{'m', CMD_OEFFNEN_ANPASSUNG, CMD_SCHLIESSEN_ANPASSUNG},
                    .filter = {&SATZ_FOLGEN, &SATZ_EXPORT_BILD, &SATZ_EXPORT_BILD_CSV},
                    .bilder = {anpassungsBild()}},
        .menuetext = "&Modellanpassung",
        .hinweis = "Erstellt ein Modellanpassung-Dokument!",
        .knopfRang = 45,
        .bild = "anpassung",
        .druck = nullptr,
        .erzeuge = [](Kontext& k, const Vorlagenquelle& v) -> ModellDokument* { return new AnpassungDokument(k, v); },
    };
    return a;
}

void AnpassungDokument::zeichnen(QPainter& p, QSize groesse) {
    anpassungMalen(p, groesse, anpassung_, !log_->isChecked(), vorlagen_);
}

std::string AnpassungDokument::alsCsv() { return Anpassung_Csv(anpassung_); }

void AnpassungDokument::dateiAnpassen(const QString& pfad) {
    starten(QFileInfo(pfad).fileName(), pfad.toStdString(),
            [datei = pfad.toStdString()](Fortschritt& f) { return folgeLesen(datei, f); });
}

void AnpassungDokument::satzAnpassen(int satz) {
    // The worker gets a copy: the state may change while it runs.
    starten(QString::fromUtf8(TEXT_SATZ).arg(satz + 1), {},
            [p = satzparameter(kontext().zustand(), satz)](Fortschritt& f) { return folgeVonSatz(p, f); });
}

void AnpassungDokument::starten(const QString& quelle, std::string datei,
                                std::function<Folgeneingabe(Fortschritt&)> lesen) {
    std::function<Lauf(Fortschritt&)> arbeit = [lesen = std::move(lesen)](Fortschritt& f) {
        Lauf l{lesen(f), {}};
        if (!l.eingabe.ok) return l;
        l.anpassung = anpassen(l.eingabe.folge, {}, f);
        // Only the fit goes back; the gaps may be large.
        l.eingabe.folge = {};
        return l;
    };
    kontext().hintergrund().starten<Lauf>(this, {TITEL_ANPASSUNG}, std::move(arbeit), [this, quelle, datei = std::move(datei)](Lauf l) {
        if (l.eingabe.abgebrochen || l.anpassung.abgebrochen) return;
        const Meldung* nein = !l.eingabe.ok ? &l.eingabe.meldung : !l.anpassung.ok ? &l.anpassung.meldung : nullptr;
        if (nein) {
            Meldung m = *nein;
            if (m.titel.empty()) m.titel = TITEL_ANPASSUNG;
            zeige(kontext().meldung(), m);
            return;
        }
        anpassung_ = std::move(l.anpassung);
        datei_ = datei;
        anpassung_.hinweise.insert(anpassung_.hinweise.begin(), l.eingabe.hinweise.begin(), l.eingabe.hinweise.end());
        folge_->setText(QString::fromUtf8(TEXT_FOLGE).arg(quelle, QString::fromStdString(folgenZeile(anpassung_))));
        zeigen();
    });
}

void AnpassungDokument::zeigen() {
    const auto zeilen = anpassungsTabelle(anpassung_);
    tabelle_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r)
        for (int s = 0; s < static_cast<int>(ANPASSUNG_SPALTEN); ++s) {
            auto* zelle = new QTableWidgetItem(QString::fromStdString(zeilen[static_cast<std::size_t>(r)][static_cast<std::size_t>(s)]));
            // Numbers line up on the right; rank, model and parameters read from the left.
            zelle->setTextAlignment(Qt::AlignTop | (s >= 3 ? Qt::AlignRight : Qt::AlignLeft));
            tabelle_->setItem(r, s, zelle);
        }
    tabelle_->resizeColumnsToContents();
    tabelle_->resizeRowsToContents();
    if (!zeilen.empty()) tabelle_->selectRow(0);
    // The table as tall as its rows, while the diagrams keep at least half the height.
    int hoehe = tabelle_->horizontalHeader()->height() + 2 * tabelle_->frameWidth();
    for (int r = 0; r < tabelle_->rowCount(); ++r) hoehe += tabelle_->rowHeight(r);
    const int gesamt = teiler_->height();
    teiler_->setSizes({std::min(hoehe, gesamt / 2), gesamt - std::min(hoehe, gesamt / 2)});
    QStringList hinweise;
    for (const std::string& h : anpassung_.hinweise) hinweise << QString::fromStdString(h);
    hinweise_->setText(hinweise.join('\n'));
    hinweise_->setVisible(!hinweise.isEmpty());
    for (QAction* a : inSatzAktion_) a->setEnabled(!anpassung_.modelle.empty());
    bild_->update();
}

const Modellanpassung* AnpassungDokument::gewaehlt() const {
    if (anpassung_.modelle.empty()) return nullptr;
    const int r = tabelle_->currentRow();
    return &anpassung_.modelle[r >= 0 && r < static_cast<int>(anpassung_.modelle.size()) ? static_cast<std::size_t>(r) : 0];
}

void AnpassungDokument::uebernehmen(int satz) {
    const Modellanpassung* m = gewaehlt();
    if (!m) return;
    ZorState& s = kontext().zustand();
    inParametersatz(s, satz, *m);
    // As after a parameter dialog: the other documents show the new set when they paint.
    if (s.Fenster.null == 0) s.Fenster.aktualisiert = 0;
    kontext().befehleAbgleichen();
    for (MdiDokument* d : kontext().dokumente())
        if (d != this && qobject_cast<ModellDokument*>(d)) d->update();
}

}  // namespace zor::app
