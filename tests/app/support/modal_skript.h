#pragma once
// Scripts for modal dialogs: each step waits for the next modal dialog, records its
// name and acts on it (type, click). The steps run from the dialogs' own event loops.

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

class ModalSkript {
public:
    using Schritt = std::function<void(QWidget* dialog)>;

    ModalSkript() {
        uhr_.setInterval(5);
        QObject::connect(&uhr_, &QTimer::timeout, [this] { pruefen(); });
    }

    // Queues an action for the next modal dialog that is not yet handled.
    ModalSkript& dann(Schritt s) {
        schritte_.push_back(std::move(s));
        uhr_.start();
        return *this;
    }

    // The names of the modal dialogs met, in order.
    QStringList gesehen;

private:
    void pruefen() {
        QWidget* d = QApplication::activeModalWidget();
        if (!d || d->property("skript_erledigt").toBool() || schritte_.empty()) return;
        d->setProperty("skript_erledigt", true);
        gesehen << d->objectName();
        Schritt s = std::move(schritte_.front());
        schritte_.pop_front();
        if (schritte_.empty()) uhr_.stop();
        // Outside the timer's handler, so that a dialog the step opens can be met too.
        QTimer::singleShot(0, d, [s = std::move(s), d] { s(d); });
    }

    QTimer uhr_;
    std::deque<Schritt> schritte_;
};
