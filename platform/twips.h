// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtMath>

// The windows are designed in twips (1/1440 inch) for 120 dots per inch; converting at the
// screen's logical resolution keeps text and boxes in the same proportion at any resolution.
inline int TwipsToPixels(int twips, qreal dotsPerInch)
{
    return qRound(twips * dotsPerInch / 1440.0);
}

inline QRect TwipsRect(int left, int top, int width, int height, qreal dotsPerInch)
{
    return QRect(TwipsToPixels(left, dotsPerInch), TwipsToPixels(top, dotsPerInch),
                 TwipsToPixels(width, dotsPerInch), TwipsToPixels(height, dotsPerInch));
}
