#pragma once
// A document for frame tests: records the commands passed on to it, can pose as a
// channel-model document and can refuse to close.

#include <QCloseEvent>
#include <QList>

#include "shell/mdi_dokument.h"

class TestDokument : public zor::app::MdiDokument {
    Q_OBJECT
public:
    explicit TestDokument(char modell = 0, int druck = 0) : modell_(modell), druck_(druck) {}
    bool befehl(int id) override {
        befehle.append(id);
        return true;
    }
    char modellDokument() const override { return modell_; }
    int druckArt() const override { return druck_; }
    int kontextMenue() const override { return 135; }

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
    char modell_;
    int druck_;
};
