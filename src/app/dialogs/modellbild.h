#pragma once
// The picture of a channel model in its parameter dialog: the diagram part of the
// model's parameter template, drawn through the canvas, so it is sharp at any scale.

#include <QWidget>

#include "core/plot/canvas.h"

namespace zor::app {

struct Bildvorlage {
    const char* vorlage;   // template file name
    LRechteck bereich;     // the logical part of it that is shown
};

class Modellbild : public QWidget {
    Q_OBJECT
public:
    Modellbild(const Bildvorlage& bild, QWidget* eltern = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Bildvorlage bild_;
};

}  // namespace zor::app
