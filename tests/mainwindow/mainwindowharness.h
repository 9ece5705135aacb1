// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmdalvane.h"
#include "recordingservices.h"
#include "regional.h"
#include "registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

// A registry with nothing in it; the main window only hands it on to the About window.
class EmptyRegistry : public Registry
{
public:
    std::int32_t RegOpenKeyExA(std::uint32_t, const char *, std::uint32_t, std::uint32_t,
                               Handle *) override
    {
        return ERROR_FILE_NOT_FOUND;
    }
    std::int32_t RegQueryValueExA(Handle, const char *, std::uint32_t *, std::uint32_t *,
                                  std::uint8_t *, std::uint32_t *) override
    {
        return ERROR_INVALID_HANDLE;
    }
    std::int32_t RegCloseKey(Handle) override { return ERROR_INVALID_HANDLE; }
};

// One main window on its own regional settings, recording services and clock, shown and active
// so that focus moves behave as on a desktop.
struct MainWindowHarness
{
    explicit MainWindowHarness(const QString &localeName = QStringLiteral("en_GB"),
                               CalendarDate today = *CalendarDate::fromYmd(2030, 6, 12))
        : MainWindowHarness(RegionalSettings::fromLocale(QLocale(localeName)), today)
    {}
    MainWindowHarness(const RegionalSettings &regional, CalendarDate today)
        : services(today), settings(regional),
          window(std::make_unique<frmDalvane>(services, registry, settings))
    {}

    bool showActive()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    }

    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }

    // The enabled state of Command1, Command2 and Command3 as "111", "110", ...
    QString buttons() const
    {
        return QString::number(window->Command1->isEnabled()) +
               QString::number(window->Command2->isEnabled()) +
               QString::number(window->Command3->isEnabled());
    }

    RecordingServices services;
    EmptyRegistry registry;
    RegionalSettings settings;
    std::unique_ptr<frmDalvane> window;
};
