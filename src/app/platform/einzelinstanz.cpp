#include "app/platform/einzelinstanz.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace zor::app {

QString Einzelinstanz::standardName() {
    const QString benutzer = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("x")));
    return QStringLiteral("zorwerk-") + benutzer;
}

Einzelinstanz::Einzelinstanz(QString name, QObject* eltern) : QObject(eltern), name_(std::move(name)) {}

bool Einzelinstanz::erste() {
    QLocalSocket andere;
    andere.connectToServer(name_);
    if (andere.waitForConnected(500)) {
        andere.write("vor\n");
        andere.waitForBytesWritten(500);
        andere.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket file left by a crashed run is stale.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) return true;  // runs alone, just not reachable
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit nachVorn();
        }
    });
    return true;
}

}  // namespace zor::app
