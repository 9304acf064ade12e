#pragma once
// A picture button that draws itself: a rounded frame and one icon when up, another
// when pressed, each at the top left + (1, 1); as large as a large icon plus 2 pixels.

#include <QAbstractButton>
#include <QIcon>

namespace zor::app {

class BildKnopf : public QAbstractButton {
    Q_OBJECT
public:
    BildKnopf(int id, const QIcon& oben, const QIcon& gedrueckt, QWidget* eltern = nullptr);
    int id() const { return id_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int bildgroesse() const;
    int id_;
    QIcon oben_;
    QIcon gedrueckt_;
};

}  // namespace zor::app
