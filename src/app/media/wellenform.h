#pragma once
// The waveform of a WAV file in the wave window: an overview of the whole file with the
// shown range marked, below it the shown range one lane per channel (at most two), a
// second file overlaid in red or its difference against the first, the playback marker, and
// the second file's SNR against the first. The envelopes come from the core and are computed
// on a worker thread; the widget only draws them. A click asks to play from there.

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/media/wav.h"

namespace zor::app {

// The columns of one range of both files: per channel, A and (when given) B, or B - A.
struct Wellenbild {
    std::vector<std::vector<Spaltenwert>> a, b;
};

// Frames [von, bis) in `spalten` columns; an unreadable or non-PCM file gives no lanes, and
// so does a difference of files whose formats differ.
Wellenbild wellenbild(const std::string& a, const std::string& b, std::uint64_t von, std::uint64_t bis,
                      std::size_t spalten, bool differenz = false);

class Wellenform : public QWidget {
    Q_OBJECT
public:
    explicit Wellenform(QWidget* eltern = nullptr);
    ~Wellenform() override;

    // Shows `original`, with `vergleich` when given, from the whole file on. The marker
    // stays where it was while the original is the same file.
    void setzeDateien(const QString& original, const QString& vergleich = {});
    // The second file overlaid (false) or as its difference against the first (true).
    void setzeDifferenz(bool differenz);
    bool differenz() const { return differenz_; }
    // The playback marker at a position in milliseconds. A marker that runs past the end of
    // the shown range brings the next page into view.
    void setzeMarke(qint64 ms);
    qint64 markeMs() const;
    // The pixel column of a position within the shown range (for a click in tests).
    int spalteVon(qint64 ms) const;
    // Halves resp. doubles the shown range about its centre (Ctrl+wheel, + and -).
    void zoome(bool hinein);
    // Moves the shown range by a fraction of its length.
    void verschiebe(double anteil);

    std::uint64_t von() const { return von_; }
    std::uint64_t bis() const { return bis_; }
    std::uint64_t frames() const { return format_.frames; }
    // The status line: the format, the SNR or why there is none.
    QString hinweis() const { return hinweis_; }
    // True while a worker computes.
    bool rechnet() const { return offen_ > 0; }

    QSize sizeHint() const override { return {640, 220}; }

signals:
    void berechnet();
    // A click in the waveform: the position under the mouse, in milliseconds.
    void angeklickt(qint64 ms);

protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void bereichBerechnen();
    void hinweisSetzen();
    std::size_t spalten() const;

    std::string a_, b_;
    WavFormat format_;
    std::uint64_t von_ = 0, bis_ = 0;
    Wellenbild uebersicht_, ansicht_;
    QString hinweis_, formatText_, snrText_;
    std::string differenzFehlt_;  // why B - A cannot be shown; empty when it can
    bool differenz_ = false;
    std::uint64_t marke_ = 0;  // frame of the playback marker
    int offen_ = 0;
    // The lanes as last painted: a marker tick or an expose repaints only what lies over
    // them. `stand_` counts changes of the pictures; the key says which state the image shows.
    QImage spuren_;
    int stand_ = 0;
    struct Spurenschluessel {
        int stand = -1;
        QSize groesse;
        qreal dpr = 0;
        qint64 palette = 0;
        bool operator==(const Spurenschluessel&) const = default;
    } spurenSchluessel_;
    // Results of an earlier file or range that arrive late are dropped.
    std::shared_ptr<int> dateiGen_ = std::make_shared<int>(0), bereichGen_ = std::make_shared<int>(0);
};

}  // namespace zor::app
