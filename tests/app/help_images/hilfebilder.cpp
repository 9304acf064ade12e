// Makes the screenshots of the help pages from the running program: every window and
// dialog is opened and grabbed as its description's recipe says.
//
//   hilfebilder <directory>   writes the pictures there (scripts/hilfebilder.sh)
//   hilfebilder --pruefen     writes into a temporary directory and fails when a window
//                             cannot be opened, a page lacks its picture or a page shows a
//                             picture this run did not make
//
// Pixels are never compared: fonts differ between machines.

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>

#include <vector>

#include "app/context/verzeichnis.h"
#include "app/platform/hilfeseiten.h"
#include "app/shell/module.h"
#include "app/shell/programm.h"
#include "help_images/sitzung.h"

using namespace zor::app;

namespace {

// Every picture the windows describe, with the page that shows it.
struct Aufnahme {
    QString bild;
    QString seite;  // file name without ".html"
    const Bildrezept* rezept;
};

std::vector<Aufnahme> aufnahmen() {
    std::vector<Aufnahme> l;
    const Verzeichnis v(alleModule());
    for (const Fenster* f : v.fenster())
        for (const Bildrezept& r : f->bilder) {
            QString seite = r.seite.isEmpty() ? f->hilfe : r.seite;
            seite.remove(QRegularExpression(QStringLiteral("\\.hlp$")));
            l.push_back({r.bild, seite, &r});
        }
    return l;
}

// The pictures a page shows.
QStringList bilderVon(const QString& seite) {
    static const QRegularExpression re(QStringLiteral("<img[^>]*src=\"images/([^\"]+)\\.png\""));
    QStringList l;
    for (auto it = re.globalMatch(hilfeHtml(seite)); it.hasNext();) l << it.next().captured(1);
    return l;
}

// Every picture of the list is made and shown on its page, and every page shows only
// pictures of the list.
QStringList pruefe(const Sitzung& s, const std::vector<Aufnahme>& liste) {
    QStringList fehler = s.fehlerliste();
    for (const Aufnahme& a : liste) {
        const QString bild = a.bild, seite = QStringLiteral(":/help/%1.html").arg(a.seite);
        if (!s.gemacht.contains(bild)) fehler << QStringLiteral("%1: nicht aufgenommen").arg(bild);
        if (!bilderVon(seite).contains(bild)) fehler << QStringLiteral("%1 zeigt %2.png nicht").arg(seite, bild);
    }
    for (const QString& seite : alleHilfeseiten())
        for (const QString& bild : bilderVon(seite))
            if (!s.gemacht.contains(bild))
                fehler << QStringLiteral("%1 zeigt %2.png, das niemand aufnimmt").arg(seite, bild);
    for (const QString& m : s.meldungen()) fehler << QStringLiteral("unerwartete Meldung: %1").arg(m);
    return fehler;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtTexte;  // the file choosers as the program shows them
    zor::app::qtTexteLaden(qtTexte);
    const QStringList args = app.arguments();
    QTemporaryDir tmp;
    const bool nurPruefen = args.size() < 2 || args.at(1) == QLatin1String("--pruefen");
    Sitzung s(nurPruefen ? tmp.path() : args.at(1),
              nurPruefen ? QString() : QDir::tempPath() + QStringLiteral("/zorwerk-beispiele"));
    const std::vector<Aufnahme> liste = aufnahmen();
    for (const Aufnahme& a : liste) a.rezept->machen(s);
    s.rahmen(true);  // closes the last frame and what hangs on it

    QTextStream aus(stdout);
    const QStringList fehler = pruefe(s, liste);
    for (const QString& f : fehler) aus << "FEHLER: " << f << '\n';
    aus << s.gemacht.size() << " Bilder" << (nurPruefen ? " geprüft" : QStringLiteral(" in %1").arg(args.at(1)))
        << '\n';
    return fehler.isEmpty() ? 0 : 1;
}
