#include "app/platform/einzelinstanz.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace zor::app {

namespace {

// Both ends are the same program; fixing the version keeps them agreeing anyway.
constexpr QDataStream::Version FASSUNG = QDataStream::Qt_6_0;

}  // namespace

QString Einzelinstanz::standardName() {
    const QString benutzer = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("x")));
    return QStringLiteral("zorwerk-") + benutzer;
}

Einzelinstanz::Einzelinstanz(QString name, QObject* eltern) : QObject(eltern), name_(std::move(name)) {}

bool Einzelinstanz::erste(const QStringList& dateien) {
    QLocalSocket andere;
    andere.connectToServer(name_);
    if (andere.waitForConnected(500)) {
        QStringList absolut;
        for (const QString& d : dateien) absolut << QFileInfo(d).absoluteFilePath();
        QDataStream aus(&andere);
        aus.setVersion(FASSUNG);
        aus << absolut;
        andere.waitForBytesWritten(2000);
        andere.disconnectFromServer();
        if (andere.state() != QLocalSocket::UnconnectedState) andere.waitForDisconnected(2000);
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
            // The list may arrive in pieces; a transaction waits for the whole of it.
            auto lesen = [this, s] {
                if (s->property("gelesen").toBool()) return;
                QDataStream ein(s);
                ein.setVersion(FASSUNG);
                ein.startTransaction();
                QStringList erhalten;
                ein >> erhalten;
                if (!ein.commitTransaction()) return;
                s->setProperty("gelesen", true);
                if (!erhalten.isEmpty()) emit dateienErhalten(erhalten);
                emit nachVorn();
            };
            connect(s, &QLocalSocket::readyRead, this, lesen);
            lesen();
        }
    });
    return true;
}

}  // namespace zor::app
