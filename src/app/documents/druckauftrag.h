#pragma once
// One printed page as a job: on the default printer, or where none is installed, into a
// PDF file the user named. The page is painted in the background while a small dialog
// offers to cancel; a cancelled or failed job leaves no file behind and keeps one that
// was there.

#include <QDialog>
#include <QString>

#include <string>

#include <functional>
#include <memory>

#include "app/hintergrund/jobanzeige.h"
#include "app/plot/bildausgabe.h"
#include "app/plot/drucker.h"

class QPrinter;
class QWidget;

namespace zor::app {

inline constexpr const char* TEXT_NICHT_DRUCKBAR = "Parameterfenster kann nicht ausgedruckt werden!";
inline constexpr const char* TEXT_DRUCKFEHLER = "Fehler beim Drucken der Seite!";
inline constexpr const char* TEXT_ES_WIRD_GEDRUCKT = "Es wird gedruckt";
inline constexpr const char* TEXT_ALS_PDF = "Seite als PDF-Datei speichern";
// The cancel dialog.
inline constexpr int DLG_DRUCKABBRUCH = 99;

// One page in three steps: set up on the GUI thread, painted on any one thread, then
// handed to the printer or written as the file back on the GUI thread, or dropped.
class Seitenauftrag {
public:
    virtual ~Seitenauftrag() = default;
    // The named printer; nullptr when it cannot print.
    static std::unique_ptr<Seitenauftrag> aufDrucker(const QString& drucker);
    // A PDF file at pfad, written only by a successful abschliessen, never onto one of
    // `geschuetzt`.
    static std::unique_ptr<Seitenauftrag> alsPdf(const QString& pfad, Eingaben geschuetzt);

    // Paints the page; false when the device could not be opened.
    virtual bool malen(const Seitenmaler& maler) = 0;
    // Gives the painted page to its target, or drops it when abgebrochen.
    virtual Druckergebnis abschliessen(bool abgebrochen) = 0;
    // After a failed abschliessen: which file and why, where the target knows it.
    virtual std::string fehlergrund() const { return {}; }
};

// Dialog 99, the display of a printing job: says that the page is being printed; its
// Cancel button (or Escape) stops the job. It has no close button and keeps the frame
// from input while it is shown.
class Druckabbruch final : public QDialog, public Jobanzeige {
    Q_OBJECT
public:
    explicit Druckabbruch(QWidget* eltern);

    void start(const std::string&, const std::string&) override {}
    void step(int) override {}
    void end() override {}
    void jobBeginnt(const std::string& titel, const std::string& status, std::function<void()> abbrechen) override;
    void jobEndet() override;
    QWidget* anzeigefenster() override { return this; }

protected:
    void reject() override;

private:
    std::function<void()> abbrechen_;
};

// A printer for the page preview: the default printer, or a PDF page set up as
// alsPdf writes it.
void vorschauDruckerEinrichten(QPrinter& drucker);

}  // namespace zor::app
