// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/windowservices.h"

// The window services as the desktop gives them: Qt message boxes, modal windows and processes.
class QtWindowServices : public WindowServices
{
public:
    void ShowWarning(QWidget *parent, const QString &prompt) override;
    void ShowMessage(QWidget *parent, const QString &prompt) override;
    bool Confirm(QWidget *parent, const QString &question) override;
    void RepaintNow(QWidget *widget) override;
    void ShowModal(QDialog *window) override;
    void EndProgram() override;
    void StartProgram(const QString &path) override;
    QString FileTest(const QString &path) override;
    CalendarDate Today() override;
    QByteArray SystemTimeZoneId() override;
    QString SaveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override;
    bool ChoosePrinter(QWidget *parent, QPrinter *printer) override;
};
