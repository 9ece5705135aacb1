// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"

class QByteArray;
class QDialog;
class QPrinter;
class QString;
class QWidget;

// Everything the windows ask of the desktop besides their own controls: message and question
// boxes, painting
// now, modal windows, ending the program, starting another program, the file test, the clock
// and its time zone, and the save and print dialogs.
// The program uses QtWindowServices; tests give the windows a recording implementation so they
// can see what the user would see without a modal box blocking them.
class WindowServices
{
public:
    virtual ~WindowServices() = default;

    // Modal warning box: exclamation icon, one OK button, caption "Dalvane".
    virtual void ShowWarning(QWidget *parent, const QString &prompt) = 0;
    // Modal message box: one OK button, no icon, caption "Dalvane".
    virtual void ShowMessage(QWidget *parent, const QString &prompt) = 0;
    // Modal question box: Yes and No (the default), caption "Dalvane"; true for Yes.
    virtual bool Confirm(QWidget *parent, const QString &question) = 0;
    // Draws the widget's new content at once while the handler goes on.
    virtual void RepaintNow(QWidget *widget) = 0;
    // Shows a secondary window modally, without owner; returns when it closes.
    virtual void ShowModal(QDialog *window) = 0;
    // Ends the program at once; no further events run.
    virtual void EndProgram() = 0;
    // Starts the program at `path` detached, in a normal window. Throws std::runtime_error
    // when it cannot be started.
    virtual void StartProgram(const QString &path) = 0;
    // The file's name when a normal file exists at `path`, else the empty text.
    virtual QString FileTest(const QString &path) = 0;
    // Today's local date.
    virtual CalendarDate Today() = 0;
    // The IANA name of the system's own time zone, such as "Europe/London".
    virtual QByteArray SystemTimeZoneId() = 0;
    // The save dialog, opened on `suggested` (a full path); the path chosen, or the empty text
    // when the user cancels.
    virtual QString SaveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;
    // The print dialog for `printer`; true when the user chose to print, the printer then set up.
    virtual bool ChoosePrinter(QWidget *parent, QPrinter *printer) = 0;
};
