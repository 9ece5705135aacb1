// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's pictures from their SVG sources at build time:
//   dalvane-iconrender SOURCE.svg OUT.png SIZE [--indexed] [--help-mark]
// --indexed keeps the picture to 256 colours, as the program icon is kept;
// --help-mark adds the question mark that tells the Help window's icon from the program's.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>
#include <array>

namespace {

// A question mark on whole pixels, so that it stays crisp at 64 x 64; '#' is ink, '+' a halo
// that keeps it readable over the flame.
constexpr std::array<const char *, 11> kQuestionMark = {
    "+++++++", "+#####+", "##+++##", "++++##+", "+++##++", "++##+++",
    "++##+++", "+++++++", "++##+++", "++##+++", "+++++++",
};

QImage Render(const QString &source, int size)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void AddHelpMark(QImage &image)
{
    const int scale = qMax(1, image.width() / 32);
    const int width = static_cast<int>(std::char_traits<char>::length(kQuestionMark[0]));
    const int left = image.width() - width * scale;
    const int top = image.height() - static_cast<int>(kQuestionMark.size()) * scale;
    for (int row = 0; row < static_cast<int>(kQuestionMark.size()); ++row)
        for (int column = 0; column < width; ++column) {
            const char cell = kQuestionMark[row][column];
            const QRgb colour = cell == '#' ? qRgb(0, 0, 160) : qRgb(255, 255, 255);
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    image.setPixel(left + column * scale + dx, top + row * scale + dy, colour);
        }
}

// 256 colours with one of them fully transparent: the toolkit's own quantising keeps the
// colours, and the pixels that were mostly see-through are pointed at the transparent entry.
QImage ToIndexed(const QImage &argb)
{
    QImage indexed =
        argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::PreferDither);
    QList<QRgb> table = indexed.colorTable();
    int transparent = static_cast<int>(table.indexOf(qRgba(0, 0, 0, 0)));
    if (transparent < 0) {
        if (table.size() < 256) {
            table.append(qRgba(0, 0, 0, 0));
            transparent = static_cast<int>(table.size()) - 1;
        } else {
            transparent = 255;
            table[transparent] = qRgba(0, 0, 0, 0);
        }
    }
    for (QRgb &entry : table)
        if (&entry - table.data() != transparent)
            entry = qRgb(qRed(entry), qGreen(entry), qBlue(entry));
    indexed.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                indexed.setPixel(x, y, static_cast<uint>(transparent));
    return indexed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool indexed = arguments.removeAll(QStringLiteral("--indexed")) > 0;
    const bool helpMark = arguments.removeAll(QStringLiteral("--help-mark")) > 0;
    QTextStream err(stderr);
    bool sizeOk = false;
    const int size = arguments.size() == 3 ? arguments[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 8) {
        err << "usage: dalvane-iconrender SOURCE.svg OUT.png SIZE [--indexed] [--help-mark]\n";
        return 2;
    }
    QImage image = Render(arguments[0], size);
    if (image.isNull()) {
        err << "cannot read " << arguments[0] << "\n";
        return 1;
    }
    if (helpMark)
        AddHelpMark(image);
    if (indexed)
        image = ToIndexed(image);
    if (!image.save(arguments[1], "PNG")) {
        err << "cannot write " << arguments[1] << "\n";
        return 1;
    }
    return 0;
}
