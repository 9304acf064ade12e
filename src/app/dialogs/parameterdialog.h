#pragma once
// The parameter dialog of one model (BSC, GE, MC or the three-state model), built from
// its layout table. It starts from the set named by Modell.dialog_init, validates every
// entry with the core's rules when confirmed, and stores into the set named by
// Modell.dialog_exit: values, curve choice, the save command's state, stale curves.
// Beside the fields: the derived quantities of what is typed, and for GE and MC the
// entry by quantities, which fills the fields.

#include <QDialog>

#include <cstdint>
#include <map>
#include <vector>

#include "core/models/kenngroessen_eingabe.h"
#include "core/models/parametereingabe.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;

namespace zor::app {

class Kontext;
struct Eingabefeld;
struct Parametervorlage;
class KenngroessenPanel;
class Zieleingabe;

class Parameterdialog : public QDialog {
    Q_OBJECT
public:
    Parameterdialog(Kontext& kontext, Modellart art, QWidget* eltern = nullptr);

    // Confirm (131): validate, then store and close with 1; a refused entry asks
    // retry (the dialog stays as it is) or cancel (closes with 0, nothing stored).
    void bestaetigen();

private:
    void aufbauen();
    QLineEdit* feldHinzufuegen(QWidget* eltern, QGridLayout* gitter, int zeile, const Eingabefeld& f);
    void kurvenwahlAufbauen(QVBoxLayout* l);
    QVBoxLayout* kenngroessenAufbauen();
    void groesseAnpassen();
    std::vector<std::string> texte() const;
    void kenngroessenZeigen();
    void zieleUebernehmen(const Zielwerte& z, const Zieluebergaenge& u);
    void anfangswerte();
    void kurvenwahl(int id);
    int abgelehnt(const ParameterPruefung& p);
    QString feldname(int index) const;
    void speichern();

    Kontext& kontext_;
    const Parametervorlage& vorlage_;
    int sim_ = 1, fabs_ = 0, gemc_ = 0;
    std::vector<float> werte_;            // the local copy of the parameter array
    std::uint64_t durchlaeufe_ = 0;       // its number of bits, exactly
    std::map<int, QLineEdit*> eingaben_;  // by array index
    QButtonGroup* kurven_ = nullptr;
    QCheckBox* mcAusgabe_ = nullptr;
    KenngroessenPanel* kenngroessen_ = nullptr;
    Zieleingabe* ziele_ = nullptr;  // GE and MC only
    QWidget* inhalt_ = nullptr;     // everything above the buttons, scrolled on small screens
    QScrollArea* rollen_ = nullptr;
};

// Runs the dialog of a model modally for Modell.dialog_init / dialog_exit; 1 when the
// values were stored, 0 when it was cancelled.
int ParameterdialogAusfuehren(Kontext& kontext, Modellart art);

}  // namespace zor::app
