#pragma once
// Message boxes for tests: records every message and answers from a script
// (Ok when the script is empty).

#include <QList>
#include <QString>

#include "app/platform/meldungsdienst.h"

struct GezeigteMeldung {
    QString text;
    QString titel;
    zor::Symbol symbol;
    zor::app::Knoepfe knoepfe;
};

class AufzeichnendeMeldung final : public zor::app::Meldungsdienst {
public:
    zor::app::Antwort zeige(const QString& text, const QString& titel, zor::Symbol symbol,
                            zor::app::Knoepfe knoepfe) override {
        gezeigt.append({text, titel, symbol, knoepfe});
        return antworten.isEmpty() ? zor::app::Antwort::Ok : antworten.takeFirst();
    }
    QList<GezeigteMeldung> gezeigt;
    QList<zor::app::Antwort> antworten;
};
