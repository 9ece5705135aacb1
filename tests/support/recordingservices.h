// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowservices.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <stdexcept>

// Window services that show nothing and remember everything: the boxes and their parents, the
// repaints, the modal windows, the program ends, starts and file tests. Only the files and
// programs a test names exist, and the clock reads whatever the test sets.
class RecordingServices : public WindowServices
{
public:
    explicit RecordingServices(CalendarDate today = *CalendarDate::fromYmd(2001, 8, 20))
        : today(today)
    {}

    void ShowWarning(QWidget *parent, const QString &prompt) override
    {
        warnings << prompt;
        warningParents << parent;
    }
    void ShowMessage(QWidget *parent, const QString &prompt) override
    {
        messages << prompt;
        messageParents << parent;
    }
    void RepaintNow(QWidget *widget) override
    {
        repainted << widget->objectName();
        if (onRepaint)
            onRepaint(widget);
    }
    void ShowModal(QDialog *window) override
    {
        modal << window;
        if (onModal)
            onModal(window);
    }
    void EndProgram() override { ++endCount; }
    void StartProgram(const QString &path) override
    {
        startAttempts << path;
        if (!programs.contains(path))
            throw std::runtime_error("no program at " + path.toStdString());
        started << path;
    }
    QString FileTest(const QString &path) override
    {
        fileTests << path;
        return files.contains(path) ? path.section(QLatin1Char('\\'), -1) : QString();
    }
    CalendarDate Today() override
    {
        ++clockReads;
        return today;
    }

    CalendarDate today;
    QSet<QString> files;    // paths where a normal file exists
    QSet<QString> programs; // paths that start
    QStringList warnings;
    QList<QWidget *> warningParents;
    QStringList messages;
    QList<QWidget *> messageParents;
    QStringList repainted;
    QList<QPointer<QWidget>> modal;
    QStringList startAttempts;
    QStringList started;
    QStringList fileTests;
    int endCount = 0;
    int clockReads = 0;
    std::function<void(QWidget *)> onRepaint;
    std::function<void(QWidget *)> onModal;
};
