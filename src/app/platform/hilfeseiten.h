#pragma once
// The help pages in the resources: finding the page of a help file name, reading a
// page with the program's version filled in, and searching all pages for a text.

#include <QList>
#include <QString>
#include <QStringList>

namespace zor::app {

// The resource page of a help file name ("VOZAD.hlp" → ":/help/VOZAD.html"), or empty
// when the program has none.
QString hilfeSeite(const QString& hlpDatei);

// Every help page, as resource paths, sorted.
QStringList alleHilfeseiten();

// The page's HTML with the placeholders {{FASSUNG}} and {{QT}} replaced by the program's
// and the Qt library's version.
QString hilfeHtml(const QString& seite);

struct Hilfetreffer {
    QString seite;      // resource path
    QString titel;      // the page's <title>
    QString auszug;     // plain text around the first hit
    int anzahl = 0;     // hits on the page
};

// The program's version, as the help pages show it.
QString programmfassung();

// The pages whose text contains every word of the query (case-insensitive), most hits first.
QList<Hilfetreffer> sucheInHilfe(const QString& anfrage);

// A small HTML page listing the hits as links, for the help window.
QString trefferSeite(const QString& anfrage, const QList<Hilfetreffer>& treffer);

}  // namespace zor::app
