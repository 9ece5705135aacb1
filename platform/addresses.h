// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/icalendar.h"
#include "platform/coretext.h"

#include <QString>

// Where users find the latest Dalvane and how they reach its author: named in the greeting,
// the help text, the About window and the About command's remark. Its host ends the identity
// of every calendar event.
inline const QString kWebAddress = QStringLiteral("https://") + FromCore(core::kWebHost);
inline const QString kContactAddress = QStringLiteral("dalvane@example.org");
