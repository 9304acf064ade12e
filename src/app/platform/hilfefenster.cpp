#include "app/platform/hilfefenster.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>

namespace zor::app {

QString hilfeSeite(const QString& hlpDatei) {
    const QString seite = QStringLiteral(":/help/%1.html").arg(QFileInfo(hlpDatei).completeBaseName());
    return QFile::exists(seite) ? seite : QString();
}

Hilfefenster::Hilfefenster(QWidget* eltern) : QTextBrowser(eltern) {
    setObjectName(QStringLiteral("hilfe"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Hilfe"));
    setOpenExternalLinks(true);
    document()->setDocumentMargin(14);
    resize(640, 480);
}

bool Hilfefenster::zeige(const QString& hlpDatei, int kontext) {
    const QString seite = hilfeSeite(hlpDatei);
    if (seite.isEmpty()) return false;
    QUrl url(QStringLiteral("qrc") + seite);
    if (kontext != 0) url.setFragment(QStringLiteral("k%1").arg(kontext));
    setSource(url);
    setWindowTitle(QStringLiteral("Hilfe – %1").arg(documentTitle()));
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace zor::app
