#include "app/shell/programm.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "app/context/befehle.h"
#include "app/context/texte.h"
#include "app/hintergrund/hintergrund.h"
#include "app/media/dateitypen.h"
#include "app/platform/anwendung.h"
#include "app/platform/bildschirmpassung.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/einzelinstanz.h"
#include "app/platform/meldungsdienst.h"
#include "app/shell/hauptfenster.h"
#include "app/shell/startargumente.h"
#include "app/shell/versuch_modul.h"
#include "core/io/signale.h"
#include "core/util/systemfehler.h"

#include <cstdio>

namespace zor::app {

// Qt's own dialogs speak the program's language.
bool qtTexteLaden(QTranslator& t) {
    if (!t.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QApplication::installTranslator(&t);
}

void startdateienOeffnen(Hauptfenster& rahmen, const QStringList& dateien) {
    QStringList versuche, andere;
    for (const QString& d : dateien) (istVersuchsdatei(d) ? versuche : andere) << d;
    oeffneDateien(rahmen, andere);
    if (versuche.isEmpty()) return;
    // One state at a time: the last experiment named is the one applied.
    if (rahmen.modus() != Hauptfenster::Modus::Zor) rahmen.befehl(CMD_ZORWERK);
    if (rahmen.modus() == Hauptfenster::Modus::Zor)
        VersuchModul::laden(rahmen, QFileInfo(versuche.back()).absoluteFilePath());
}

namespace {

// An open dialog keeps its question in front: files handed over meanwhile wait until it is
// answered rather than opening behind it.
void ohneOffenenDialog(Hauptfenster& rahmen, const QStringList& dateien) {
    if (!QApplication::activeModalWidget()) return startdateienOeffnen(rahmen, dateien);
    QTimer::singleShot(200, &rahmen, [&rahmen, dateien] { ohneOffenenDialog(rahmen, dateien); });
}

}  // namespace

void einzelinstanzVerbinden(Einzelinstanz& instanz, Hauptfenster& rahmen) {
    QObject::connect(&instanz, &Einzelinstanz::dateienErhalten, &rahmen, [&rahmen](const QStringList& dateien) {
        // A running job keeps the frame as it is until it has ended.
        rahmen.hintergrund().danach(&rahmen, [&rahmen, dateien] { ohneOffenenDialog(rahmen, dateien); });
    });
    QObject::connect(&instanz, &Einzelinstanz::nachVorn, &rahmen, &Hauptfenster::nachVorn);
}

int zorwerkMain(int argc, char** argv) {
    // --help and --version answer before Qt looks for a display.
    const Startargumente start = startargumenteLesen(argc, argv, ZOR_FASSUNG);
    if (!start.starten) {
        std::fputs(start.ausgabe.c_str(), stdout);
        std::fputs(start.fehler.c_str(), stderr);
        return start.code;
    }
    if (const std::string fehlt = bildschirmFehlt(start); !fehlt.empty()) {
        std::fputs(fehlt.c_str(), stderr);
        return 1;
    }
    // A file-size limit fails a save with its reason instead of ending the program;
    // TERM, INT and HUP remove temporary files and folders first.
    temporaereDateienBeiSignalEntfernen();
    Anwendung app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorwerk"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("de.zorwerk.Zorwerk"));
    QTranslator qtTexte;
    qtTexteLaden(qtTexte);

    Bildschirmpassung passung;
    app.installEventFilter(&passung);
    QtMeldungsdienst meldung;
    QStringList dateien;
    for (const std::string& d : start.dateien) dateien << QString::fromLocal8Bit(d.c_str());
    Einzelinstanz instanz;
    if (!instanz.erste(dateien)) {
        // The running program has the files, or was only brought to the front; this start ends.
        if (dateien.isEmpty()) meldung.zeige(text(TEXT_LAEUFT_BEREITS), QString(), Symbol::Stopp, Knoepfe::Ok);
        return 0;
    }
    QtDateiwahl dateiwahl;
    Hauptfenster rahmen(meldung, dateiwahl);
    meldung.setzeEltern(&rahmen);
    dateiwahl.setzeEltern(&rahmen);
    app.setzeSpeichermangelMeldung([&meldung] {
        meldung.zeige(QString::fromUtf8(TEXT_SPEICHERMANGEL), QString::fromUtf8(TITEL_PROGRAMM), Symbol::Stopp, Knoepfe::Ok);
    });
    einzelinstanzVerbinden(instanz, rahmen);
    // Without a window manager that honours "maximised" the frame still fills the screen.
    if (const QScreen* schirm = rahmen.screen()) rahmen.setGeometry(schirm->availableGeometry());
    rahmen.showMaximized();
    // Once the maximised frame is laid out, so the windows size themselves to its area.
    QTimer::singleShot(0, &rahmen, [&rahmen, dateien] {
        if (dateien.isEmpty())
            VersuchModul::letztenAnbieten(rahmen);
        else
            startdateienOeffnen(rahmen, dateien);
    });
    const int code = QApplication::exec();
    if (const Ergebnis e = VersuchModul::letztenSichern(rahmen); !e)
        std::fprintf(stderr, "%s\n", e.meldung.text.c_str());
    return code;
}

}  // namespace zor::app
