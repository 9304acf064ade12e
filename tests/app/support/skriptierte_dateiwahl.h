#pragma once
// File choosers for tests: records each request and answers from a script (cancel
// when the script is empty).

#include <QList>

#include "app/platform/dateiwahl.h"

struct Dateianfrage {
    bool speichern;
    QString titel;
    QString vorschlag;
    const zor::app::Filtersatz* satz;
};

class SkriptierteDateiwahl final : public zor::app::Dateiwahl {
public:
    std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag,
                                            const zor::app::Filtersatz& satz) override {
        return antworte({false, titel, vorschlag, &satz});
    }
    // The chosen filter is the next of filterAntworten, else the set's first one.
    std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag,
                                             const zor::app::Filtersatz& satz, QString* filter = nullptr) override {
        if (filter) {
            const QStringList angeboten = zor::app::filterListe(satz, zor::app::Richtung::Speichern);
            *filter = !filterAntworten.isEmpty() ? filterAntworten.takeFirst() : angeboten.value(0);
        }
        return antworte({true, titel, vorschlag, &satz});
    }
    // A folder request is recorded with set 0.
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString& vorschlag) override {
        return antworte({false, titel, vorschlag, 0});
    }
    QList<Dateianfrage> anfragen;
    QList<std::optional<QString>> antworten;
    QStringList filterAntworten;

private:
    std::optional<QString> antworte(const Dateianfrage& a) {
        anfragen.append(a);
        return antworten.isEmpty() ? std::nullopt : antworten.takeFirst();
    }
};
