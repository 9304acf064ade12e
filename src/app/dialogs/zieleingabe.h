#pragma once
// "Nach Kenngrößen": the GE and MC dialogs entered by mean error probability, burst
// length and the error probabilities of both states. Every edit asks the core for the
// transitions; an impossible target shows the range its field may take beside it.
// "Übernehmen" hands the result to the dialog, whose fields remain what is stored.

#include <QGroupBox>

#include <array>
#include <functional>

#include "core/models/kenngroessen.h"
#include "core/models/kenngroessen_eingabe.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zor::app {

enum ZielId : int {
    ID_ZIEL_MITTEL = 4320,
    ID_ZIEL_BUENDEL = 4321,
    ID_ZIEL_BAD = 4322,
    ID_ZIEL_GOOD = 4323,
    ID_ZIEL_UEBERNEHMEN = 4324,
    ID_ZIEL_UEBERGAENGE = 4325,
    ID_ZIEL_MELDUNG = 4326,  // + the field's place: the range note of field 0..3
};

class Zieleingabe : public QGroupBox {
public:
    using Uebernahme = std::function<void(const Zielwerte&, const Zieluebergaenge&)>;
    Zieleingabe(Modellart art, Uebernahme uebernahme, QWidget* eltern = nullptr);

    // The targets of the dialog's current values.
    void vorbelegen(const Kenngroessen& k, float fehlerBad, float fehlerGood);

private:
    void pruefen();
    void uebernehmen();

    Modellart art_;
    Uebernahme uebernahme_;
    Zielfeld bearbeitet_ = Zielfeld::Fehlerwahrscheinlichkeit;
    // False while the targets are those the fields were filled from: taking them over then
    // keeps the stored values instead of their recomputed last digits.
    bool veraendert_ = false;
    std::array<QLineEdit*, 4> felder_{};
    std::array<QLabel*, 4> meldungen_{};
    QLabel* uebergaenge_ = nullptr;
    QPushButton* knopf_ = nullptr;
    Zielergebnis ergebnis_;
};

}  // namespace zor::app
