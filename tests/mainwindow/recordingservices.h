// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry.h"
#include "windowservices.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// Window services that show nothing and remember everything: the boxes, the repaints, the modal
// windows, the program ends and starts. The clock is whatever the test sets.
class RecordingServices : public WindowServices
{
public:
    explicit RecordingServices(CalendarDate today) : today(today) {}

    void ShowWarning(QWidget *, const QString &prompt) override { warnings << prompt; }
    void ShowMessage(QWidget *, const QString &prompt) override { messages << prompt; }
    void RepaintNow(QWidget *widget) override
    {
        repainted << widget->objectName();
        if (onRepaint)
            onRepaint(widget);
    }
    void ShowModal(QWidget *window) override
    {
        modal << window;
        if (onModal)
            onModal(window);
    }
    void EndProgram() override { ++endCount; }
    void StartProgram(const QString &path) override { started << path; }
    QString FileTest(const QString &) override { return {}; }
    CalendarDate Today() override
    {
        ++clockReads;
        return today;
    }

    CalendarDate today;
    QStringList warnings;
    QStringList messages;
    QStringList repainted;
    QList<QPointer<QWidget>> modal;
    int endCount = 0;
    int clockReads = 0;
    QStringList started;
    std::function<void(QWidget *)> onRepaint;
    std::function<void(QWidget *)> onModal;
};

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
