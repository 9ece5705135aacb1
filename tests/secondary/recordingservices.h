// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowservices.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <stdexcept>

// Window services that show nothing: message boxes, program starts and file tests are recorded,
// and only the files and programs a test names exist.
class RecordingServices : public WindowServices
{
public:
    struct Message
    {
        QWidget *parent;
        QString prompt;
    };

    void ShowWarning(QWidget *parent, const QString &prompt) override
    {
        warnings.append({parent, prompt});
    }
    void ShowMessage(QWidget *parent, const QString &prompt) override
    {
        messages.append({parent, prompt});
    }
    void RepaintNow(QWidget *) override {}
    void ShowModal(QWidget *window) override { window->show(); }
    void EndProgram() override { ++endRequests; }
    void StartProgram(const QString &path) override
    {
        startAttempts.append(path);
        if (!programs.contains(path))
            throw std::runtime_error("no program at " + path.toStdString());
        started.append(path);
    }
    QString FileTest(const QString &path) override
    {
        fileTests.append(path);
        return files.contains(path) ? path.section(QLatin1Char('\\'), -1) : QString();
    }
    CalendarDate Today() override { return *CalendarDate::fromYmd(2001, 8, 20); }

    QSet<QString> files;    // paths where a normal file exists
    QSet<QString> programs; // paths that start
    QList<Message> warnings;
    QList<Message> messages;
    QStringList startAttempts;
    QStringList started;
    QStringList fileTests;
    int endRequests = 0;
};
