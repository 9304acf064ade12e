#!/usr/bin/env python3
"""Writes the small bitmap and MIDI test files into tests/data/, each named after the
edge case it holds. Every bitmap gets a companion .ppm (binary P6) with the pixels a
correct reader shows; grey (128,128,128) marks rows the file does not hold."""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data")
BMP = os.path.join(ROOT, "bmp")
MIDI = os.path.join(ROOT, "midi")
GREY = (128, 128, 128)


def palette(n):
    return [((i * 7) % 256, 255 - i % 256, (i * 13) % 256) for i in range(n)]


def rgb(x, y):
    return ((40 * x + 10) % 256, (80 * y + 20) % 256, (x * y * 30 + 5) % 256)


def index(x, y, bits):
    return (x * 37 + y * 91 + 3) % (1 << bits)


def info_header(w, h, bits, compression=0, size_image=0, clr_used=0, size=40):
    return struct.pack("<IiiHHIIiiII", size, w, h, 1, bits, compression, size_image, 2835, 2835, clr_used, 0)


def file_header(total, offset):
    return b"BM" + struct.pack("<IHHI", total, 0, 0, offset)


def pad(row):
    return row + b"\0" * ((-len(row)) % 4)


def pack_indices(idx, bits):
    out, acc, n = bytearray(), 0, 0
    for i in idx:
        acc = (acc << bits) | i
        n += bits
        if n == 8:
            out.append(acc)
            acc, n = 0, 0
    if n:
        out.append(acc << (8 - n))
    return bytes(out)


def write(name, data, pixels=None):
    with open(os.path.join(BMP, name), "wb") as f:
        f.write(data)
    if pixels is not None:
        h, w = len(pixels), len(pixels[0])
        with open(os.path.join(BMP, os.path.splitext(name)[0] + ".ppm"), "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (w, h))
            for row in pixels:
                for p in row:
                    f.write(bytes(p))


def with_file_header(body, colour_bytes_and_header):
    offset = 14 + colour_bytes_and_header
    return file_header(14 + len(body), offset) + body


def indexed(w, h, bits, core=False, file_hdr=True, top_down=False):
    pal = palette(1 << bits)
    top = [[index(x, y, bits) for x in range(w)] for y in range(h)]
    rows = top if top_down else list(reversed(top))
    pixels = b"".join(pad(pack_indices(r, bits)) for r in rows)
    if core:
        hdr = struct.pack("<IHHHH", 12, w, h, 1, bits)
        table = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in pal)
    else:
        hdr = info_header(w, -h if top_down else h, bits)
        table = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in pal)
    body = hdr + table + pixels
    data = with_file_header(body, len(hdr) + len(table)) if file_hdr else body
    return data, [[pal[i] for i in row] for row in top]


def direct24(w, h, size_image, top_down=False, rows_present=None):
    top = [[rgb(x, y) for x in range(w)] for y in range(h)]
    rows = top if top_down else list(reversed(top))
    raw = [pad(b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)) for row in rows]
    if rows_present is not None:
        raw = raw[:rows_present] + [raw[rows_present][: len(raw[0]) // 2]]
    hdr = info_header(w, -h if top_down else h, 24, size_image=size_image)
    data = with_file_header(hdr + b"".join(raw), len(hdr))
    expected = [row[:] for row in top]
    if rows_present is not None:
        for y in range(h - rows_present):
            expected[y] = [GREY] * w
    return data, expected


def bitfields16(w, h):
    top = [[rgb(x, y) for x in range(w)] for y in range(h)]
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    rows = []
    for row in reversed(top):
        rows.append(pad(b"".join(struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)) for (r, g, b) in row)))
    hdr = info_header(w, h, 16, compression=3)
    data = with_file_header(hdr + masks + b"".join(rows), len(hdr) + 12)
    expected = [[((r >> 3) * 255 // 31, (g >> 2) * 255 // 63, (b >> 3) * 255 // 31) for (r, g, b) in row] for row in top]
    return data, expected


def bitfields32_v5(w, h):
    """32 bit with red in the low byte and blue in the third (masks inside a 124-byte header)."""
    top = [[rgb(x, y) for x in range(w)] for y in range(h)]
    rows = [b"".join(struct.pack("<I", 0xAB000000 | b << 16 | g << 8 | r) for (r, g, b) in row) for row in reversed(top)]
    hdr = info_header(w, h, 32, compression=3, size=124) + struct.pack("<IIII", 0xFF, 0xFF00, 0xFF0000, 0xFF000000)
    hdr += b"\0" * (124 - len(hdr))
    return with_file_header(hdr + b"".join(rows), len(hdr)), top


def rle(name, w, h, bits, stream, expected_idx):
    pal = palette(1 << bits)
    hdr = info_header(w, h, bits, compression=1 if bits == 8 else 2, size_image=len(stream))
    table = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in pal)
    data = with_file_header(hdr + table + stream, len(hdr) + len(table))
    write(name, data, [[GREY if i is None else pal[i] for i in row] for row in expected_idx])


def bitmaps():
    write("os2_core_1bit.bmp", *indexed(5, 3, 1, core=True))
    write("os2_core_4bit.bmp", *indexed(5, 3, 4, core=True))
    write("os2_core_8bit.bmp", *indexed(5, 3, 8, core=True))
    write("packed_dib_8bit.dib", *indexed(5, 3, 8, file_hdr=False))
    write("indexed_4bit.bmp", *indexed(7, 4, 4))
    write("top_down_8bit.bmp", *indexed(5, 3, 8, top_down=True))
    write("rgb24_size_image_0.bmp", *direct24(5, 3, 0))
    write("top_down_24bit.bmp", *direct24(5, 3, 0, top_down=True))
    write("truncated_pixel_data.bmp", *direct24(5, 4, 64, rows_present=2))
    write("bitfields_565_16bit.bmp", *bitfields16(5, 3))
    write("bitfields_v5_header_32bit.bmp", *bitfields32_v5(5, 3))
    # Row 0 (bottom): two runs; row 1: an absolute run and a run; row 2: one pixel, then a
    # delta of (2, 1) into row 3, where a run of two follows.
    rle("rle8_delta_end_of_line.bmp", 6, 4, 8,
        bytes([3, 1, 3, 2, 0, 0, 0, 3, 3, 4, 5, 0, 3, 6, 0, 0, 1, 7, 0, 2, 2, 1, 2, 8, 0, 0, 0, 1]),
        [[0, 0, 0, 8, 8, 0], [7, 0, 0, 0, 0, 0], [3, 4, 5, 6, 6, 6], [1, 1, 1, 2, 2, 2]])
    rle("rle4_delta_end_of_line.bmp", 7, 2, 4,
        bytes([4, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 2, 3, 0, 0, 3, 0x56, 0x70, 0, 1]),
        [[0, 0, 0, 5, 6, 7, 0], [1, 2, 1, 2, 3, 4, 5]])
    rle("rle8_without_end_mark.bmp", 4, 3, 8, bytes([4, 9, 0, 0, 2, 5]),
        [[None] * 4, [5, 5, 0, 0], [9, 9, 9, 9]])
    hdr = info_header(5, 3, 8, clr_used=256)
    write("palette_beyond_file.bmp", with_file_header(hdr + b"\x10\x20\x30\x00" * 3, len(hdr) + 1024))
    hdr = info_header(100000, 100000, 24)
    write("absurd_size.bmp", with_file_header(hdr + b"\0" * 16, len(hdr)))
    write("width_overflow.bmp", with_file_header(info_header(0x7FFFFFFF, -0x7FFFFFFF, 32), 40))
    write("too_short.bmp", b"BM\x10\0")
    # Claims far beyond the file's bytes: refused before any memory is taken for them.
    write("claims_67108864x1_in_54_bytes.bmp", with_file_header(info_header(67108864, 1, 24), 40))
    write("claims_8000x8000_in_102_bytes.bmp", with_file_header(info_header(8000, 8000, 24) + bytes(48), 40))
    hdr = info_header(8000, 8000, 8, compression=1, clr_used=1)
    write("rle8_claims_8000x8000_in_60_bytes.bmp", with_file_header(hdr + b"\x10\x20\x30\0" + b"\0\1", len(hdr) + 4))


def chunk(tag, body):
    return tag + struct.pack(">I", len(body)) + body


def mthd(fmt, tracks, division=96, extra=b""):
    return chunk(b"MThd", struct.pack(">HHH", fmt, tracks, division) + extra)


def midi(name, data):
    with open(os.path.join(MIDI, name), "wb") as f:
        f.write(data)


def midis():
    track = bytes.fromhex("00FF580406031808" "00FF5902FD01" "00FF510307A120" "00903C40" "603E40" "00C005"
                          "00803C00" "00FF2F00")
    midi("format0_running_status.mid", mthd(0, 1) + chunk(b"MTrk", track))
    midi("data_byte_first.mid", mthd(0, 1) + chunk(b"MTrk", bytes.fromhex("003C40" "00FF2F00")))
    text = bytes(ord("A") + i % 26 for i in range(300))
    long_meta = b"\x00\xff\x01" + bytes([0x82, 0x2C]) + text + bytes.fromhex("00904540" "00FF2F00")
    midi("meta_text_over_256_bytes.mid", mthd(0, 1) + chunk(b"MTrk", long_meta))
    midi("long_header.mid", mthd(1, 1, 480, b"\x01\x02\x03\x04") + chunk(b"MTrk", bytes.fromhex("00C107" "00FF2F00")))
    t1 = bytes.fromhex("00903C40" "00903E")
    t2 = bytes.fromhex("00B10740" "00FF2F00")
    midi("overrunning_track.mid", mthd(1, 2) + b"MTrk" + struct.pack(">I", len(t1)) + t1 + chunk(b"MTrk", t2))
    all_kinds = bytes.fromhex(
        "00FF00020007" "00FF0103546578" "00FF0202A941" "00FF03044C696564" "00FF0405506961" "6E6F"
        "00FF05024C61" "00FF06024D31" "00FF07024375" "00FF200103" "00FF7F03010203" "00F003112233"
        "00F70144" "00A23C21" "00B2075A" "00C20B" "00D255" "00E20040" "00FF2F00")
    midi("every_event_kind.mid", mthd(0, 1) + chunk(b"MTrk", all_kinds))
    midi("truncated_inside_event.mid", mthd(0, 1) + b"MTrk" + struct.pack(">I", 12) + bytes.fromhex("00903C40" "0090"))
    midi("variable_length_over_four_bytes.mid", mthd(0, 1) + chunk(b"MTrk", bytes.fromhex("8181818100903C40")))
    midi("meta_beyond_track.mid", mthd(0, 1) + chunk(b"MTrk", bytes.fromhex("00FF010A4142")) + bytes(16))
    midi("sysex_beyond_file.mid", mthd(0, 1) + chunk(b"MTrk", bytes.fromhex("00F0837F01")))
    midi("system_status_then_data_byte.mid", mthd(0, 1) + chunk(b"MTrk", bytes.fromhex("00F00110003C40")))
    midi("missing_second_track.mid", mthd(1, 2) + chunk(b"MTrk", bytes.fromhex("00FF2F00")))
    midi("not_a_midi_file.mid", b"RIFF\x04\0\0\0WAVE")
    # Readers skip chunks they do not know: the track after the "Junk" chunk is listed.
    notes = b"".join(bytes([0, 0x90 if i == 0 else 0x3C + i % 12, 0x3C + i % 12, 0x40]) if i == 0
                     else bytes([0x08, 0x3C + i % 12, 0x40 if i % 2 else 0]) for i in range(29))
    junk = chunk(b"Junk", b"any bytes a reader does not know\x00\xff")
    midi("unknown_chunk_before_track.mid", mthd(0, 1) + junk + chunk(b"MTrk", notes + bytes.fromhex("00FF2F00")))
    text = b"erste Zeile\nzweite\r\nTab\tEnde\x07"
    midi("meta_text_with_line_feed.mid",
         mthd(0, 1) + chunk(b"MTrk", b"\x00\xff\x01" + bytes([len(text)]) + text + bytes.fromhex("00FF2F00")))


if __name__ == "__main__":
    os.makedirs(BMP, exist_ok=True)
    os.makedirs(MIDI, exist_ok=True)
    bitmaps()
    midis()
