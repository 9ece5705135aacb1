// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Packs a rendered picture into a Windows icon file for the executable's resources:
//   dalvane-icopack IN.png OUT.ico
// The icon is written as a classic 8-bit palette bitmap with its transparency mask, so that it
// stays the 256-colour picture of the window icon and every version of Windows can show it.
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <cstdint>

namespace {

void PutU8(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xff));
}

void PutU16(QByteArray &out, int value)
{
    PutU8(out, value);
    PutU8(out, value >> 8);
}

void PutU32(QByteArray &out, std::uint32_t value)
{
    PutU16(out, static_cast<int>(value & 0xffff));
    PutU16(out, static_cast<int>(value >> 16));
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
int RowBytes(int bits)
{
    return (bits + 31) / 32 * 4;
}

QByteArray IconFile(const QImage &picture)
{
    const int size = picture.width(); // [1, 256], square
    // The palette keeps exactly 256 entries; the unused ones are black.
    QList<QRgb> palette = picture.colorTable();
    palette.resize(256, qRgb(0, 0, 0));

    const int colourRow = RowBytes(size * 8);
    const int maskRow = RowBytes(size);
    QByteArray colours(colourRow * size, '\0');
    QByteArray mask(maskRow * size, '\0');
    for (int y = 0; y < size; ++y) {
        // Bitmaps are stored bottom row first.
        const int row = size - 1 - y;
        const uchar *line = picture.constScanLine(y);
        for (int x = 0; x < size; ++x) {
            const int index = line[x];
            if (qAlpha(palette[index]) < 128) {
                // A set mask bit keeps the screen; the colour under it must be black so that
                // the screen shows through unchanged.
                mask[row * maskRow + x / 8] =
                    static_cast<char>(mask[row * maskRow + x / 8] | (0x80 >> (x % 8)));
                palette[index] = qRgba(0, 0, 0, 0);
            }
            colours[row * colourRow + x] = static_cast<char>(index);
        }
    }

    QByteArray bitmap;
    PutU32(bitmap, 40); // header size
    PutU32(bitmap, static_cast<std::uint32_t>(size));
    PutU32(bitmap, static_cast<std::uint32_t>(size * 2)); // colour rows, then mask rows
    PutU16(bitmap, 1);                                    // planes
    PutU16(bitmap, 8);                                    // bits per pixel
    PutU32(bitmap, 0);                                    // uncompressed
    PutU32(bitmap, static_cast<std::uint32_t>(colours.size() + mask.size()));
    PutU32(bitmap, 0);
    PutU32(bitmap, 0);
    PutU32(bitmap, 256); // colours used
    PutU32(bitmap, 0);
    for (const QRgb entry : palette) {
        PutU8(bitmap, qBlue(entry));
        PutU8(bitmap, qGreen(entry));
        PutU8(bitmap, qRed(entry));
        PutU8(bitmap, 0);
    }
    bitmap += colours;
    bitmap += mask;

    QByteArray file;
    PutU16(file, 0);         // reserved
    PutU16(file, 1);         // an icon, not a cursor
    PutU16(file, 1);         // one picture
    PutU8(file, size % 256); // 256 is written as 0
    PutU8(file, size % 256);
    PutU8(file, 0); // 256 colours are written as 0
    PutU8(file, 0);
    PutU16(file, 1);
    PutU16(file, 8);
    PutU32(file, static_cast<std::uint32_t>(bitmap.size()));
    PutU32(file, 6 + 16); // the picture follows the one directory entry
    return file + bitmap;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: dalvane-icopack IN.png OUT.ico\n";
        return 2;
    }
    QImage picture(arguments[0]);
    if (picture.isNull() || picture.width() != picture.height() || picture.width() > 256) {
        err << "cannot read a square picture of at most 256 pixels from " << arguments[0] << "\n";
        return 1;
    }
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() > 256)
        picture = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QSaveFile out(arguments[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(IconFile(picture)) < 0 || !out.commit()) {
        err << "cannot write " << arguments[1] << "\n";
        return 1;
    }
    return 0;
}
