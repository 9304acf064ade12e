#pragma once
// What the two options dialogs (FAV 95, FKF 98) share: check boxes, the abscissa edit,
// the ordinate frame with its decade edits, OK and Cancel, and the handling of refused
// entries (retry keeps the dialog as it is, cancel closes it applying nothing).

#include <QDialog>

#include "core/models/optionseingabe.h"

#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace zor::app {

class Kontext;

enum OptionsId : int {
    DLG_FAV_OPTIONEN = 95,
    DLG_FKF_OPTIONEN = 98,
    ID_AB = 101,
    ID_ALLGEMEIN = 307,
    ID_ERNEUERND = 308,
    ID_CURSOR = 315,
    ID_UHR = 316,
    ID_ORDINATE_LINEAR = 317,
    ID_ORDINATE_LOG = 318,
    ID_ABSZISSE = 319,
    ID_WERTNEG = 320,
    ID_WERTPOS = 321,
    ID_ABSZISSE_LINEAR = 322,
    ID_ABSZISSE_LOG = 323,
    ID_BAND = 324,  // ours: "Konfidenzband anzeigen"
    // "Optionen für Fenster Bündel und Blöcke"
    DLG_BUENDEL_OPTIONEN = 97,
    ID_BUENDEL_LAENGE = 330,  // the five pictures, in the order of Buendelbild
    ID_BUENDEL_SCHUTZ = 335,
    ID_BUENDEL_N,
    ID_BUENDEL_M,
    ID_BUENDEL_T,
    ID_BUENDEL_TIEFE,
    ID_BUENDEL_PK = 340,
    ID_BUENDEL_XLOG,
    ID_BUENDEL_YLOG,
    ID_BUENDEL_CURSOR,
};

class Optionsdialog : public QDialog {
    Q_OBJECT
public:
    // OK (131): apply when every entry holds, else ask retry or cancel.
    void bestaetigen();

protected:
    Optionsdialog(Kontext& kontext, int dialogId, const char* titel, QWidget* eltern);

    // Applies the dialog's entries to the state; what was wrong, if anything.
    virtual Optionsfehler anwenden() { return Optionsfehler::Keiner; }
    // The same as the German message of the refused entry; empty when all held.
    virtual std::string anwendenMitText();
    // Enables the controls that take input for the choices made now.
    virtual void freigeben() = 0;
    void dekadenFreigeben(bool an);

    QCheckBox* haken(int id, const char* text, bool an);
    // "Konfidenzband anzeigen", added below the other check boxes.
    QCheckBox* bandHaken(bool an);
    QLineEdit* zahlfeld(int id, const std::string& text);
    QRadioButton* wahl(QButtonGroup* gruppe, int id, const char* text, QWidget* eltern);
    QGroupBox* ordinatenRahmen(const char* linear, const char* logarithmisch, const Skalierungstexte& t, int linearAnfangs);
    void knoepfeAnfuegen();
    Skalierungstexte skalierung() const;
    int ordinate() const;

    Kontext& kontext_;
    QVBoxLayout* layout_;
    QLineEdit* abszisse_ = nullptr;
    // The abscissa edit's label, for the line naming a refused entry.
    QString abszisseName_;

private:
    void ordinateWaehlen(int id);

    QLineEdit* wertneg_ = nullptr;
    QLineEdit* wertpos_ = nullptr;
    QButtonGroup* ordinate_ = nullptr;
    QString ordinateName_, logName_, bisName_;
};

// A label as the user reads it: without its mnemonic marks and trailing blanks.
QString ohneKuerzel(const QString& text);

// A label and an edit side by side.
QHBoxLayout* mitFeld(QWidget* vorn, QLineEdit* feld, QWidget* hinten = nullptr);

}  // namespace zor::app
