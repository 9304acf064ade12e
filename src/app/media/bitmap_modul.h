#pragma once
// The commands that make bitmap documents: open a file (from the frame and from a bitmap
// document) and paste the clipboard's image.

#include "app/context/beschreibung.h"

namespace zor::app {

class BitmapModul : public Befehlsmodul {
public:
    explicit BitmapModul(Kontext& kontext);
    static const Modul& beschreibung();
    // The bitmap document's window.
    static const Fenster& fenster();

private:
    void bitmap_New(int id);
    void einfuegen(int id);
};

}  // namespace zor::app
