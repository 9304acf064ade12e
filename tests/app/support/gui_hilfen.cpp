#include "support/gui_hilfen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QDeadlineTimer>
#include <QTest>
#include <QWidget>

#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"

#include <memory>

bool speichereBild(const QImage& bild, const QString& name) {
    QString ziel = qEnvironmentVariable("ZOR_SCREENSHOTS");
#ifdef ZOR_SCREENSHOTS
    if (ziel.isEmpty()) ziel = QStringLiteral(ZOR_SCREENSHOTS);
#endif
    return QDir().mkpath(ziel) && bild.save(ziel + QLatin1Char('/') + name + QStringLiteral(".png"));
}

bool speichereBild(QWidget* w, const QString& name) {
    // Let widgets created just before (a rebuilt toolbar) lay out and paint first.
    QCoreApplication::processEvents();
    return speichereBild(w->grab().toImage(), name);
}

void beantworteModal(const QString& dialogName, const QString& knopfName, const QString& bildName) {
    auto* uhr = new QTimer;
    uhr->setInterval(10);
    auto versuche = std::make_shared<int>(0);
    QObject::connect(uhr, &QTimer::timeout, [=] {
        if (++*versuche > 1000) {  // no such dialog within 10 s: give up
            uhr->stop();
            uhr->deleteLater();
            return;
        }
        QWidget* d = QApplication::activeModalWidget();
        if (!d || d->objectName() != dialogName) return;
        uhr->stop();
        uhr->deleteLater();
        if (!bildName.isEmpty()) speichereBild(d, bildName);
        if (auto* b = d->findChild<QAbstractButton*>(knopfName)) b->click();
    });
    uhr->start();
}

void verarbeiteLoeschungen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool warteAufJob(zor::app::Kontext& k, int ms) {
    const QDeadlineTimer frist(ms);
    do {
        while (k.hintergrund().laeuft() && !frist.hasExpired()) QTest::qWait(5);
        // The continuation may have posted what it shows (a repaint, deferred reports), and
        // a document waiting for this job starts its own.
        QCoreApplication::processEvents();
    } while (k.hintergrund().laeuft() && !frist.hasExpired());
    return !k.hintergrund().laeuft();
}

BeimZeigen::BeimZeigen(QString name, std::function<void(QWidget*)> aktion)
    : name_(std::move(name)), aktion_(std::move(aktion)) {
    qApp->installEventFilter(this);
}

BeimZeigen::~BeimZeigen() { qApp->removeEventFilter(this); }

bool BeimZeigen::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (gezeigt || ereignis->type() != QEvent::Show || objekt->objectName() != name_) return false;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w) return false;
    gezeigt = true;
    aktion_(w);
    return false;
}

bool Malzaehler::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::Paint) ++anzahl;
    return false;
}
