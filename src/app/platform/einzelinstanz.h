#pragma once
// One running program per user: the first start listens on a local socket; a later start
// connects, hands over the files it was given, asks the first to come to the front, and
// then ends.

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace zor::app {

class Einzelinstanz : public QObject {
    Q_OBJECT
public:
    // name: the socket name; the program uses a per-user default.
    explicit Einzelinstanz(QString name = standardName(), QObject* eltern = nullptr);

    // True when this is the first instance (it now listens); false when another runs,
    // which has then been handed `dateien` (as absolute paths, since its working folder
    // is its own) and asked to come to the front.
    bool erste(const QStringList& dateien = {});

    static QString standardName();

signals:
    // Another start handed over files to open (absolute paths); comes before nachVorn.
    void dateienErhalten(const QStringList& dateien);
    // Another start asked this instance to come to the front.
    void nachVorn();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace zor::app
