#pragma once
// The scrolled picture of a bitmap document, zoomed 1:1 to 32:1 or fitted to the window
// (nearest neighbour, a pixel grid from 8:1), with the selection rectangle the user drags
// over it (an inverted frame with its size as "%dx%d").

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>

#include <optional>

class QScrollBar;

namespace zor::app {

// The scroll step of a scroll-bar action for a client extent of n pixels: line steps
// n/16 + 1 down and -n/16 + 1 up, page steps n/2 + 1 and -n/2 + 1 (C division), else 0.
int bitmapSchritt(int aktion, int n);

// The rectangle spanned by two points, normalized and clamped to the image.
QRect NormalizeRect(QPoint a, QPoint b, QSize bild);

inline constexpr double ZOOM_MAX = 32;
inline constexpr double ZOOM_GITTER_AB = 8;

// The next zoom step (powers of two, 1:1 to 32:1) above resp. below `faktor`.
double zoomStufe(double faktor, bool groesser);

// The pixels of `teil` as squares of faktor × faktor, with a grid line at the top and left
// of each square when `gitter` is set.
QImage vergroessert(const QImage& bild, const QRect& teil, int faktor, bool gitter);

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

    double zoom() const { return faktor_; }
    bool eingepasst() const { return einpassen_; }
    // Zooms about the point `um` of the viewport (its centre by default).
    void setzeZoom(double faktor, std::optional<QPoint> um = std::nullopt);
    void zoomSchritt(bool groesser, std::optional<QPoint> um = std::nullopt);
    // The largest factor that shows the whole picture, kept on resizing until zoomed again.
    void einpassen();

    // From now on the two zoom and scroll together, both ways (the second takes the
    // first's zoom and position now); an earlier link of either ends.
    static void koppeln(BitmapAnsicht& a, BitmapAnsicht& b);
    void entkoppeln();
    BitmapAnsicht* gekoppelt() const { return partner_; }

signals:
    void zoomGeaendert(double faktor);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void InitSize();
    void schritt(QScrollBar* leiste, int aktion, int n);
    QPoint versatz() const;
    // A viewport point in picture pixels.
    QPoint bildpunkt(QPointF p) const;
    QSize inhalt() const;
    double passenderFaktor() const;
    void zeichneAuswahl(QPainter& p) const;
    // Hands zoom and position to the linked view.
    void partnerAbgleichen();

    QImage bild_;
    QRect auswahl_;
    QPoint anfang_;
    bool ziehen_ = false;
    double faktor_ = 1;
    bool einpassen_ = false;
    QPointer<BitmapAnsicht> partner_;
    // Set on both while one follows the other, so the echo of its scroll bars stops there.
    bool abgleich_ = false;
};

}  // namespace zor::app
