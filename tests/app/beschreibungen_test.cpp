// The modules' descriptions hold together: object names are unique, every menu item and
// toolbar button names a described command, every place reaches a menu, and every window
// has a help page that exists and a menu command that opens it.

#include <QSet>
#include <QTest>

#include "app/context/verzeichnis.h"
#include "app/platform/hilfeseiten.h"
#include "app/shell/menue_tabellen.h"
#include "app/shell/module.h"

using namespace zor::app;

class BeschreibungenTest : public QObject {
    Q_OBJECT

private slots:
    void ohneWidersprueche() {
        const Verzeichnis v(alleModule());
        QCOMPARE(v.fehler(), QStringList{});
        QCOMPARE(menueFehler(v), QStringList{});
    }

    void jedesFensterHatSeiteUndMenuepunkt() {
        const Verzeichnis v(alleModule());
        QSet<int> imMenue;
        for (int menue : alleMenues(v))
            for (const MenuEintrag& e : menuTabelle(v, menue)) imMenue << e.id;
        QVERIFY(v.fenster().size() >= 25);
        for (const Fenster* f : v.fenster()) {
            const QString wer = f->name.isEmpty() ? f->hilfe : f->name;
            QVERIFY2(!hilfeSeite(f->hilfe).isEmpty(), qPrintable(wer + QStringLiteral(": keine Hilfeseite")));
            QVERIFY2(imMenue.contains(f->befehl), qPrintable(wer + QStringLiteral(": kein Menüpunkt")));
            for (const Filtersatz* s : f->filter)
                QVERIFY2(
                    !filterListe(*s, Richtung::Oeffnen).isEmpty() && !filterListe(*s, Richtung::Speichern).isEmpty(),
                    qPrintable(wer));
        }
    }
};

QTEST_MAIN(BeschreibungenTest)
#include "beschreibungen_test.moc"
