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
#include <vector>

#include "app/context/bildrezept.h"
#include "app/platform/dateiwahl.h"
#include "app/shell/hauptfenster.h"
#include "support/aufzeichnende_meldung.h"

class QWidget;

// Answers file requests from a list; ZEIGEN opens the real chooser, an empty list cancels.
class BilderDateiwahl final : public zor::app::Dateiwahl {
public:
    using Filtersatz = zor::app::Filtersatz;
    std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag,
                                            const Filtersatz& satz) override;
    std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag, const Filtersatz& satz,
                                             QString* filter = nullptr) override;
    QStringList antworten;

private:
    std::optional<QString> antworte(bool speichern, const QString& titel, const QString& vorschlag,
                                    const Filtersatz& satz);
    zor::app::QtDateiwahl echt_;
};

// What the windows' picture recipes ask for, done in a real frame offscreen.
class Sitzung final : public zor::app::Bildaufnahme {
public:
    // Pictures go to ziel; sample files are made once in beispiele (a fixed directory
    // keeps the names the pictures show the same from run to run), else in a temporary one.
    Sitzung(const QString& ziel, const QString& beispiele = {});
    ~Sitzung();

    zor::app::Kontext& rahmen(bool zorwerk) override;
    zor::app::Kontext& kontext() override;
    zor::app::Hauptfenster& f() { return *rahmen_; }
    BilderDateiwahl& dateiwahl() { return dateiwahl_; }
    QString beispiel(const QString& name) const override { return daten_ + QLatin1Char('/') + name; }
    void dateiAntworten(const QStringList& antworten) override { dateiwahl_.antworten = antworten; }

    // Grabs the widget, scales it to at most 800 pixels wide and saves images/<name>.png.
    bool bild(QWidget* w, const QString& name) override;

    using Bildaufnahme::modal;
    bool modal(int befehl, const QString& name, std::vector<Schritt> schritte) override;
    bool warte(const std::function<bool()>& bedingung, int ms = 5000) override;
    void fehler(const QString& text) override { fehler_ << text; }

    QStringList gemacht;  // pictures written
    QStringList fehlerliste() const { return fehler_; }
    QStringList meldungen() const;

private:
    void beispieleSchreiben();

    QStringList fehler_;  // what went wrong, in words
    QString ziel_;
    QTemporaryDir temporaer_;
    QString daten_;
    bool festerOrdner_;
    AufzeichnendeMeldung meldung_;
    BilderDateiwahl dateiwahl_;
    std::unique_ptr<zor::app::Hauptfenster> rahmen_;
};
