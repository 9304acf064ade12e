#pragma once
// One run of the help screenshots: the real frame offscreen with a recording message box
// and a file chooser that answers from a list (or shows the real chooser when asked to),
// sample files in a temporary directory, and the saving of the pictures.

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "app/platform/dateiwahl.h"
#include "app/shell/hauptfenster.h"
#include "support/aufzeichnende_meldung.h"

class QWidget;

// Answers file requests from a list; ZEIGEN opens the real chooser, an empty list cancels.
class BilderDateiwahl final : public zor::app::Dateiwahl {
public:
    static inline const QString ZEIGEN = QStringLiteral("<zeigen>");
    std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag, int satz) override;
    std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag, int satz) override;
    QStringList antworten;

private:
    std::optional<QString> antworte(bool speichern, const QString& titel, const QString& vorschlag, int satz);
    zor::app::QtDateiwahl echt_;
};

class Sitzung {
public:
    // Pictures go to ziel; sample files are made once in beispiele (a fixed directory
    // keeps the names the pictures show the same from run to run), else in a temporary one.
    Sitzung(const QString& ziel, const QString& beispiele = {});
    ~Sitzung();

    // A fresh frame in the channel-model mode (zorwerk) or the multimedia mode.
    zor::app::Hauptfenster& rahmen(bool zorwerk);
    zor::app::Hauptfenster& f() { return *rahmen_; }
    BilderDateiwahl& dateiwahl() { return dateiwahl_; }
    QString beispiel(const QString& name) const { return daten_ + QLatin1Char('/') + name; }

    // Grabs the widget, scales it to at most 800 pixels wide and saves images/<name>.png.
    bool bild(QWidget* w, const QString& name);

    // Runs the command; the first modal dialog it opens must carry dialogName ("" for a
    // file chooser). handle acts on it (the default grabs it as name and closes it).
    // False when no such dialog came.
    bool modal(int befehl, const QString& dialogName, const QString& name,
               std::function<void(QWidget*)> handle = {});

    QStringList gemacht;     // pictures written
    QStringList fehler;      // what went wrong, in words
    QStringList meldungen() const;

private:
    void beispieleSchreiben();

    QString ziel_;
    QTemporaryDir temporaer_;
    QString daten_;
    bool festerOrdner_;
    AufzeichnendeMeldung meldung_;
    BilderDateiwahl dateiwahl_;
    std::unique_ptr<zor::app::Hauptfenster> rahmen_;
};
