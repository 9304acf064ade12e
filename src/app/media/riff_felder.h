#pragma once
// Little-endian fields as RIFF files (wave, AVI) store them.

#include <QByteArray>
#include <QtEndian>

namespace zor::app {

inline void haengeAn32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

inline void haengeAn16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

}  // namespace zor::app
