#pragma once
// Base of the GUI test classes whose every case starts in a fresh frame switched to the
// channel-model mode. Qt Test finds the inherited init and cleanup.

#include <QObject>

#include <memory>

#include "app/kontext/befehle.h"
#include "app/shell/menue.h"
#include "support/testrahmen.h"

class ZorModusTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestRahmen> r_;
    zor::app::Hauptfenster* f_ = nullptr;
    zor::ZorState& s() { return f_->zustand(); }
    zor::app::Menue& zor() { return f_->menue(zor::app::MENU_ZOR); }

private slots:
    void init() {
        r_ = std::make_unique<TestRahmen>();
        f_ = &r_->f;
        f_->mainframe_OnCommand(zor::app::CMD_ZORWERK);
    }
    void cleanup() { r_.reset(); }
};
