// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where users find the latest Dalvane and how they reach its author: named in the greeting,
// the help text, the About window and the About command's remark.
inline const QString kWebAddress = QStringLiteral("https://dalvane.example.org");
inline const QString kContactAddress = QStringLiteral("dalvane@example.org");
