#pragma once
// The common parts of the file-job dialogs: controls named by their ids, browse buttons
// that fill an edit from the file chooser, the Ok/Abbrechen pair, the refusal of an entry
// (message, or warning sound and notice 612/613) and showing what a job returned.

#include <QDialog>
#include <QString>

#include <functional>

#include "app/platform/dateiwahl.h"
#include "app/platform/wartecursor.h"
#include "core/io/ausgabedatei.h"
#include "core/io/job_ergebnis.h"
#include "core/util/fortschritt.h"

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zor {
struct EingabePruefung;
}

namespace zor::app {

class Kontext;

class Jobdialog : public QDialog {
    Q_OBJECT
public:
    // dialogId names the dialog ("id_14"); titel is its caption.
    Jobdialog(Kontext& kontext, int dialogId, const QString& titel);

    // The text of an edit, found by its id.
    QString text(int id) const;

protected:
    // Runs when Ok is pressed; closes the dialog itself (done) or leaves it open.
    virtual void ok() = 0;

    // An edit with the id as its object name, and a push button.
    QLineEdit* feld(int id, const QString& vorgabe = {});
    QPushButton* knopf(int id, const QString& beschriftung);
    // A browse button: fills the edit with the file the user chose.
    QPushButton* durchsuchen(int knopfId, int feldId, const QString& titel, const Filtersatz& satz, Richtung r);
    // The group box "Dateien:" with one row per label, edit and browse button.
    struct Dateizeile {
        QString beschriftung;
        int feldId, knopfId;
        QString knopfText, titel;
        const Filtersatz* satz;
        Richtung richtung;
    };
    QGroupBox* dateien(std::initializer_list<Dateizeile> zeilen, const QString& ueberschrift = QStringLiteral("Dateien:"));
    // "Die ersten [26] Bytes nicht verfälschen." and below it "Kopf schützen: automatisch",
    // which greys the number out while checked.
    QLayout* geschuetzteBytes(const QString& vorgabe);
    bool kopfAutomatisch() const;
    // The Ok (131, default) and Abbrechen (2) buttons in a row.
    QLayout* okAbbrechen(const QString& okText = QStringLiteral("Ok"));

    // False when the entries were refused; the dialog then stays open, or has closed
    // with result 0 when the user cancelled the notice.
    bool angenommen(const EingabePruefung& p);
    // Runs the job in the background (with the progress window and its "Abbrechen");
    // danach receives its result on this thread. A cancelled job leaves the dialog open
    // with its entries, and no output. The job must hold copies of what it reads.
    void imHintergrund(std::function<JobErgebnis(Fortschritt&)> job, std::function<void(const JobErgebnis&)> danach);
    // Shows the job's messages and, for a job that ran, its summary.
    void ergebnisZeigen(const JobErgebnis& e);
    // The job's messages; the dialog closes after a success only, so that a refused or
    // failed job leaves every entry in place for a correction.
    void abschliessen(const JobErgebnis& e);
    // After a corruption: the job's messages, then (on success only, as abschliessen) the
    // offer to show original and copy side by side, and the dialog closes with `ergebnis`.
    void verfaelschungAbschliessen(const JobErgebnis& e, const std::string& original, int ergebnis);

    Kontext& kontext() const { return kontext_; }
    // The files the parameter sets read: no job may write onto them.
    Eingaben geschuetzt() const;

private:
    Kontext& kontext_;
};

}  // namespace zor::app
