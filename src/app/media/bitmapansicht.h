#pragma once
// The scrolled picture of a bitmap document at its natural size, with the selection
// rectangle the user drags over it (an inverted frame with its size as "%dx%d").

#include <QAbstractScrollArea>
#include <QImage>

class QScrollBar;

namespace zor::app {

// The scroll step of a scroll-bar action for a client extent of n pixels: line steps
// n/16 + 1 down and -n/16 + 1 up, page steps n/2 + 1 and -n/2 + 1 (C division), else 0.
int bitmapSchritt(int aktion, int n);

// The rectangle spanned by two points, normalized and clamped to the image.
QRect NormalizeRect(QPoint a, QPoint b, QSize bild);

class BitmapAnsicht : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit BitmapAnsicht(QWidget* eltern = nullptr);

    // Shows the picture (sharing its memory) and clears the selection.
    void setzeBild(const QImage& bild);
    const QImage& bild() const { return bild_; }
    // The selection in image pixels (rcClip); empty when there is none.
    QRect auswahl() const { return auswahl_; }
    // The size text of a selection: "%dx%d".
    static QString groessenText(const QRect& r);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void InitSize();
    void schritt(QScrollBar* leiste, int aktion, int n);
    QPoint versatz() const;
    void zeichneAuswahl(QPainter& p) const;

    QImage bild_;
    QRect auswahl_;
    QPoint anfang_;
    bool ziehen_ = false;
};

}  // namespace zor::app
