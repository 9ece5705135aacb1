// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The windows are drawn for the old Windows dialog fonts ("MS Sans Serif", "Small Fonts") and
// Arial, whose widths are close to one another. Where those are missing, Arial's metric twin
// Liberation Sans (or Arimo) keeps every caption within the box drawn for it; the system's own
// sans-serif, often wider, is only the last resort.
inline QFont DialogFont(qreal pointSize = 8, bool bold = false, bool italic = false,
                        const QString &family = QStringLiteral("MS Sans Serif"))
{
    QFont font;
    font.setFamilies({family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
