// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The windows are drawn for the 8-point "MS Sans Serif" dialog font, whose widths are close to
// Arial's; Arial, or the metric-compatible Liberation Sans that fontconfig puts in its place,
// breaks the fixed-size labels' lines where the design expects. "Small Fonts" and the heading's
// "Arial" take the same family at their own sizes.
inline QFont DialogFont(int pointSize = 8)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}
