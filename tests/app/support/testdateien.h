#pragma once
// Files for the GUI tests, in a temporary directory the test owns.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// Writes the bytes to name inside the directory; returns the full path.
inline QString schreibeDatei(const QTemporaryDir& dir, const QString& name, const QByteArray& inhalt) {
    const QString p = dir.filePath(name);
    QFile f(p);
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
    return p;
}

// The whole file, or "<fehlt>" when it cannot be read.
inline QByteArray liesDatei(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
