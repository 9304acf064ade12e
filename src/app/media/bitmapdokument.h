#pragma once
// A bitmap document: one image at its natural size, scrolled, with a selection; it copies
// to the clipboard, saves as a bitmap file and compares itself with another image.

#include "app/context/mdi_dokument.h"
#include "app/media/bitmapansicht.h"
#include "core/media/bildvergleich.h"
#include "core/media/dib.h"

class QMdiSubWindow;

namespace zor::app {

// The window rectangle that shows a client of `bild` pixels (frame `rahmen` around it) at
// `pos`: an extent larger than the MDI area becomes the area's plus 2, starting at -1.
QRect fensterFuerBild(QPoint pos, QSize bild, QSize rahmen, QSize flaeche);

class Bitmapdokument : public MdiDokument {
    Q_OBJECT
public:
    Bitmapdokument(Kontext& kontext, zor::DibBild bild, QWidget* eltern = nullptr);

    bool befehl(int id) override;
    void aktiviert() override;

    const zor::DibBild& bild() const { return bild_; }
    BitmapAnsicht& ansicht() { return *ansicht_; }
    // The file the picture came from (none for the clipboard or a comparison).
    void setzeDatei(const QString& datei) { datei_ = datei; }
    // Sizes the document's window to the image, within the MDI area.
    void SizeWindowToImage();
    // Links the view with that of another open window of an equally sized picture, the
    // only one or the one chosen, so both zoom and scroll together; when linked already,
    // ends the link.
    void koppelnUmschalten();

private:
    void speichern();
    void vergleichen();
    void differenzbild();

    zor::DibBild bild_;
    BitmapAnsicht* ansicht_;
    QString datei_;
};

// Shows an image in a new bitmap document titled `titel`; nullptr when that failed.
Bitmapdokument* zeigeBitmap(Kontext& kontext, zor::DibBild bild, const QString& titel);
// The difference picture of two equally sized picture files, titled with the changed
// pixels, the changed bits of the files (counted in the background) and the PSNR per
// colour; false, after a message, when it cannot be made.
bool zeigeDifferenzbild(Kontext& kontext, const QString& original, const QString& kopie);
// Shows a comparison (first picture, second, their differing pixels) titled with both
// files' names and the count of differing pixels.
Bitmapdokument* zeigeBildvergleich(Kontext& kontext, zor::Bildvergleich v, const QString& erstes, const QString& zweites);

}  // namespace zor::app
