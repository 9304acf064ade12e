#include "app/platform/hilfeseiten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <QtGlobal>

#include <algorithm>

namespace zor::app {
namespace {

const QString ORDNER = QStringLiteral(":/help");

QString titelVon(const QString& html) {
    static const QRegularExpression re(QStringLiteral("<title>(.*?)</title>"),
                                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(html);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QString klartext(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText().simplified();
}

QString auszugUm(const QString& text, qsizetype pos, qsizetype laenge) {
    constexpr qsizetype RAND = 60;
    const qsizetype von = std::max<qsizetype>(0, pos - RAND);
    const qsizetype bis = std::min<qsizetype>(text.size(), pos + laenge + RAND);
    return (von > 0 ? QStringLiteral("…") : QString()) + text.mid(von, bis - von) +
           (bis < text.size() ? QStringLiteral("…") : QString());
}

}  // namespace

QString hilfeSeite(const QString& hlpDatei) {
    const QString seite = QStringLiteral("%1/%2.html").arg(ORDNER, QFileInfo(hlpDatei).completeBaseName());
    return QFile::exists(seite) ? seite : QString();
}

QStringList alleHilfeseiten() {
    QStringList seiten;
    for (const QString& name : QDir(ORDNER).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        seiten << ORDNER + '/' + name;
    return seiten;
}

QString programmfassung() { return QStringLiteral(ZOR_FASSUNG); }

QString hilfeHtml(const QString& seite) {
    QFile f(seite);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString html = QString::fromUtf8(f.readAll());
    html.replace(QStringLiteral("{{FASSUNG}}"), QStringLiteral(ZOR_FASSUNG));
    html.replace(QStringLiteral("{{QT}}"), QString::fromLatin1(qVersion()));
    return html;
}

QList<Hilfetreffer> sucheInHilfe(const QString& anfrage) {
    const QStringList woerter = anfrage.simplified().split(' ', Qt::SkipEmptyParts);
    QList<Hilfetreffer> treffer;
    if (woerter.isEmpty()) return treffer;
    for (const QString& seite : alleHilfeseiten()) {
        const QString html = hilfeHtml(seite);
        const QString text = klartext(html);
        Hilfetreffer t{seite, titelVon(html), {}, 0};
        bool alle = true;
        for (const QString& wort : woerter) {
            const qsizetype n = text.count(wort, Qt::CaseInsensitive);
            alle = alle && n > 0;
            t.anzahl += static_cast<int>(n);
        }
        if (!alle) continue;
        const qsizetype pos = text.indexOf(woerter.first(), 0, Qt::CaseInsensitive);
        t.auszug = auszugUm(text, pos, woerter.first().size());
        treffer << t;
    }
    std::stable_sort(treffer.begin(), treffer.end(),
                     [](const Hilfetreffer& a, const Hilfetreffer& b) { return a.anzahl > b.anzahl; });
    return treffer;
}

QString trefferSeite(const QString& anfrage, const QList<Hilfetreffer>& treffer) {
    QString html = QStringLiteral("<html><head><title>Suche</title></head><body><h1>Suche nach „%1“</h1>")
                       .arg(anfrage.toHtmlEscaped());
    if (treffer.isEmpty())
        html += QStringLiteral("<p>Keine Seite enthält alle gesuchten Wörter. Versuchen Sie ein kürzeres "
                               "oder anderes Wort, etwa nur den Wortstamm.</p>");
    for (const Hilfetreffer& t : treffer)
        html += QStringLiteral("<p><a href=\"qrc%1\"><b>%2</b></a> (%3 Treffer)<br>%4</p>")
                    .arg(t.seite, t.titel.toHtmlEscaped())
                    .arg(t.anzahl)
                    .arg(t.auszug.toHtmlEscaped());
    return html + QStringLiteral("</body></html>");
}

}  // namespace zor::app
