#include "shell/programm.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/dateiwahl.h"
#include "platform/einzelinstanz.h"
#include "platform/meldung.h"
#include "shell/hauptfenster.h"

namespace zor::app {

int zorwerkMain(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorwerk"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("zorwerk"));

    Einzelinstanz instanz;
    if (!instanz.erste()) {
        QMessageBox::critical(QApplication::focusWidget(), QString(), QStringLiteral("Fehler in WinMain"));
        return 0;
    }
    QtMeldung meldung;
    QtDateiwahl dateiwahl;
    Hauptfenster rahmen(meldung, dateiwahl);
    meldung.setzeEltern(&rahmen);
    QObject::connect(&instanz, &Einzelinstanz::nachVorn, &rahmen, &Hauptfenster::nachVorn);
    rahmen.showMaximized();
    return QApplication::exec();
}

}  // namespace zor::app
