// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The windows are drawn for the old Windows dialog fonts ("MS Sans Serif", "Small Fonts") and
// Arial. Where the dialog font is missing, Carlito takes its place: narrow enough that the
// entered date and the long dates of the English-speaking regions fit whole in their boxes, at
// 96 dpi too, where Arial's metric twin Liberation Sans runs over. Arial and "Small Fonts" fall
// back to Liberation Sans (or Arimo), whose widths match Arial's; the system's own sans-serif is
// only the last resort.
inline QFont DialogFont(qreal pointSize = 8, bool bold = false, bool italic = false,
                        const QString &family = QStringLiteral("MS Sans Serif"))
{
    QFont font;
    if (family == u"MS Sans Serif")
        font.setFamilies({family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Carlito"),
                          QStringLiteral("Liberation Sans Narrow")});
    else
        font.setFamilies({family, QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
