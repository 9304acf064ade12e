#pragma once
// A document for frame tests: records the commands passed on to it, can be printable
// with the page of FF, FKF ('K') or FAV ('V'), and can refuse to close.

#include <QCloseEvent>
#include <QList>

#include "app/context/befehle.h"
#include "app/context/beschreibung.h"
#include "app/context/mdi_dokument.h"
#include "app/plot/druckseite.h"

class TestDokument : public zor::app::MdiDokument, public zor::app::Druckbar {
    Q_OBJECT
public:
    explicit TestDokument(zor::app::Kontext& k, char druckseite = 0)
        : MdiDokument(k, fenster()), druckseite_(druckseite) {}
    bool befehl(int id) override {
        befehle.append(id);
        return true;
    }
    zor::app::Druckbar* druckbar() override { return druckseite_ ? this : nullptr; }
    const zor::Druckart& druckart() const override {
        return druckseite_ == 'K' ? zor::DRUCK_FKF : druckseite_ == 'V' ? zor::DRUCK_FAV : zor::DRUCK_FF;
    }

    static const zor::app::Fenster& fenster() {
        static const zor::app::Fenster f{.name = QStringLiteral("testdokument"),
                                         .titel = QStringLiteral("Testdokument"),
                                         .kontextMenue = zor::app::MENU_ZOR};
        return f;
    }

    QList<int> befehle;
    bool schliessbar = true;

protected:
    void closeEvent(QCloseEvent* e) override {
        if (schliessbar)
            e->accept();
        else
            e->ignore();
    }

private:
    char druckseite_;
};
