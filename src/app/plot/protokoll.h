#pragma once
// The lab protocol as a multi-page A4 PDF: title, date and time, version, the student's
// name and notes, both sets with every parameter and their derived quantities, the
// correlation durations, the FAV and FKF diagrams with legends (and bands where shown),
// the error-sequence excerpt and, where their documents are open, the bursts and the model fit. The program
// (in the background) and zorwerk-render paint it through protokollAlsPdf.

#include <QByteArray>
#include <QString>

#include <optional>

#include "app/plot/bildausgabe.h"
#include "app/plot/druckseite.h"
#include "core/anpassung/anpassung.h"
#include "core/documents/buendel_einstellungen.h"

namespace zor {

struct Protokollangaben {
    QString name, notizen;
    QString zeitpunkt;  // as it is printed
    QString fassung;    // the program's version
    // The settings of the open document "Bündel und Blöcke": its picture gets a page.
    std::optional<Buendeleinstellungen> buendel;
    // The result of the open model-fit document, when it has one: its table and overlay get a page.
    std::optional<Anpassung> anpassung;
};

// Name and notes as given, stamped with the current time and the program's version.
Protokollangaben protokollangaben(const QString& name, const QString& notizen);

// Pages: the texts, the two diagrams, the error-sequence excerpt, and the bursts or
// blocks and the model fit where asked for.
inline constexpr int PROTOKOLL_SEITEN = 3;
int protokollSeiten(const Protokollangaben& a);

// The FAV and FKF curves the protocol shows, computed where their cache is stale.
Kurvenbericht protokollKurvenErmitteln(ZorState& s, Fortschritt& f);

// The protocol into memory (any thread); the state's curves must have been computed.
// A failed diagram template or file reports in the Druckbericht.
Druckergebnis protokollAlsPdf(QByteArray& daten, ZorState& s, const Vorlagenquelle& q, const Protokollangaben& a,
                              Druckbericht& bericht);

}  // namespace zor
