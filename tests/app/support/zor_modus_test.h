#pragma once
// Base of the GUI test classes whose every case starts in a fresh frame switched to the
// channel-model mode. Qt Test finds the inherited init and cleanup.

#include <QCoreApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/shell/menue.h"
#include "support/testrahmen.h"

class ZorModusTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestRahmen> r_;
    zor::app::Hauptfenster* f_ = nullptr;
    zor::ZorState& s() { return f_->zustand(); }
    zor::app::Menue& zor() { return f_->menue(zor::app::MENU_ZOR); }

    // The frame on the (offscreen) screen at this size, active and painted once.
    void zeigen(QSize groesse = {1280, 800}) {
        f_->resize(groesse);
        f_->show();
        f_->activateWindow();
        if (!QTest::qWaitForWindowActive(f_)) qWarning("The frame did not become active.");
        QCoreApplication::processEvents();
    }
    // The subwindow of the document with this object name, or nullptr.
    QMdiSubWindow* fenster(const char* name) {
        for (QMdiSubWindow* w : f_->mdi()->subWindowList())
            if (w->widget()->objectName() == QLatin1String(name)) return w;
        return nullptr;
    }
    QRect flaeche() { return f_->mdi()->viewport()->rect(); }
    static bool nurWeiss(const QImage& b) {
        for (int y = 0; y < b.height(); y += 3)
            for (int x = 0; x < b.width(); x += 3)
                if (b.pixelColor(x, y) != Qt::white) return false;
        return true;
    }

private slots:
    void init() {
        r_ = std::make_unique<TestRahmen>();
        f_ = &r_->f;
        f_->mainframe_OnCommand(zor::app::CMD_ZORWERK);
    }
    void cleanup() { r_.reset(); }
};
