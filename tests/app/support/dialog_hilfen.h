#pragma once
// Finding and driving controls of a dialog by their id, and screenshot names that
// carry the scale factor of the run.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

inline QString idName(int id) { return QStringLiteral("id_%1").arg(id); }

inline QLineEdit* eingabe(QWidget* d, int id) { return d->findChild<QLineEdit*>(idName(id)); }
inline QAbstractButton* knopf(QWidget* d, int id) { return d->findChild<QAbstractButton*>(idName(id)); }
inline QString anzeige(QWidget* d, int id) {
    auto* l = d->findChild<QLabel*>(idName(id));
    return l ? l->text() : QString();
}
inline void tippen(QWidget* d, int id, const QString& text) {
    if (QLineEdit* e = eingabe(d, id)) e->setText(text);
}
inline void klick(QWidget* d, int id) {
    if (QAbstractButton* b = knopf(d, id)) b->click();
}

// "name" at 100 %, "name_2x" under QT_SCALE_FACTOR=2.
inline QString skaliert(const QString& name) {
    const QString f = qEnvironmentVariable("QT_SCALE_FACTOR");
    return f.isEmpty() || f == QLatin1String("1") ? name : name + QLatin1Char('_') + f + QLatin1Char('x');
}
