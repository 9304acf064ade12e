#pragma once
// The model-fit document: the student picks an error sequence (a file or a set's current
// sequence), the four models are fitted in the background, and the window shows their
// table and the overlay of the sequence's curves with the fitted ones. A fitted model can
// be put into a parameter set, to simulate it beside the original.

#include <functional>
#include <optional>

#include "app/documents/modelldokument.h"
#include "core/anpassung/anpassung.h"
#include "core/anpassung/folge_lesen.h"
#include "core/plot/plotag.h"

class QCheckBox;
class QLabel;
class QSplitter;
class QAction;
class QTableWidget;

namespace zor::app {

enum AnpassungsId : int {
    CMD_OEFFNEN_ANPASSUNG = 259,
    CMD_SCHLIESSEN_ANPASSUNG = 266,
    // Its controls, found by their object names "id_N".
    ID_ANPASSUNG_DATEI = 2601,
    ID_ANPASSUNG_SATZ1 = 2602,
    ID_ANPASSUNG_SATZ2 = 2603,
    ID_ANPASSUNG_IN_SATZ1 = 2604,
    ID_ANPASSUNG_IN_SATZ2 = 2605,
    ID_ANPASSUNG_TABELLE = 2606,
    ID_ANPASSUNG_LOG = 2607,
    ID_ANPASSUNG_BILD = 2608,
};

// The sequences its chooser offers.
inline const Filtersatz SATZ_FOLGEN{"Fehlerfolgen",
                                    {"Fehlerfolge (*.FFO)", "Fehlerabstand (*.FAB)", "Vergleich (*.VGL)"}};

class AnpassungDokument : public ModellDokument {
    Q_OBJECT
public:
    AnpassungDokument(Kontext& kontext, Vorlagenquelle vorlagen);
    static const ModellDokumentart& dokumentart();

    // The overlay, for export, clipboard and printing.
    void zeichnen(QPainter& p, QSize groesse) override;
    std::string alsCsv() override;
    bool hatCsv() const override { return anpassung_.ok; }
    Eingaben eingaben() const override { return datei_.empty() ? Eingaben{} : Eingaben{datei_}; }

    // Fits the sequence of that file or of set 0/1 in the background; the window keeps
    // what it shows until a fit has finished, and after a cancel or a refusal.
    void dateiAnpassen(const QString& pfad);
    void satzAnpassen(int satz);
    // Set 0/1 becomes the chosen fitted model (the table's current row, else the best).
    void uebernehmen(int satz);

    const Anpassung& anpassung() const { return anpassung_; }

protected:
    // The children paint themselves; nothing under them.
    void paintEvent(QPaintEvent*) override {}

private:
    void starten(const QString& quelle, std::string datei, std::function<Folgeneingabe(Fortschritt&)> lesen);
    void zeigen();
    const Modellanpassung* gewaehlt() const;

    Vorlagenquelle vorlagen_;
    Anpassung anpassung_;
    std::string datei_;  // the fitted file, which the export must not replace; empty for a set
    QLabel* folge_;
    QLabel* hinweise_;
    QTableWidget* tabelle_;
    QSplitter* teiler_;
    QCheckBox* log_;
    QWidget* bild_;
    QAction* inSatzAktion_[2];
};

}  // namespace zor::app
