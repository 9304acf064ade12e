#pragma once
// Shows the latest video frame, scaled to the widget. Painting converts the frame on the
// CPU, so it works without a native video surface (offscreen and in screenshots too).

#include <QVideoFrame>
#include <QWidget>

namespace zor::app {

class Bildflaeche : public QWidget {
    Q_OBJECT
public:
    explicit Bildflaeche(QWidget* eltern = nullptr);
    bool hatBild() const { return bild_.isValid(); }

public slots:
    void zeige(const QVideoFrame& bild);
    void leere();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QVideoFrame bild_;
};

}  // namespace zor::app
