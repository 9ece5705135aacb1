// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtwindowservices.h"

#include "platform/regional.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QTimeZone>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

const QString kApplicationTitle = QStringLiteral("Dalvane");

void ShowBox(QWidget *parent, QMessageBox::Icon icon, const QString &prompt)
{
    QMessageBox box(icon, kApplicationTitle, prompt, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void QtWindowServices::ShowWarning(QWidget *parent, const QString &prompt)
{
    ShowBox(parent, QMessageBox::Warning, prompt);
}

void QtWindowServices::ShowMessage(QWidget *parent, const QString &prompt)
{
    ShowBox(parent, QMessageBox::NoIcon, prompt);
}

bool QtWindowServices::Confirm(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, kApplicationTitle, question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtWindowServices::RepaintNow(QWidget *widget)
{
    widget->repaint();
}

void QtWindowServices::ShowModal(QDialog *window)
{
    window->exec();
}

void QtWindowServices::EndProgram()
{
    // Nothing is ever saved, so there is nothing to wait for, and no further event may run: leave
    // without unwinding the event loop or running the toolkit's own tear-down.
    std::fflush(nullptr);
    std::quick_exit(0);
}

void QtWindowServices::StartProgram(const QString &path)
{
    if (!QProcess::startDetached(path, {}))
        throw std::runtime_error("cannot start " + path.toStdString());
}

QString QtWindowServices::FileTest(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.fileName() : QString();
}

CalendarDate QtWindowServices::Today()
{
    return ::Today();
}

QByteArray QtWindowServices::SystemTimeZoneId()
{
    return QTimeZone::systemTimeZoneId();
}

QString QtWindowServices::SaveFileName(QWidget *parent, const QString &caption,
                                       const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool QtWindowServices::ChoosePrinter(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
