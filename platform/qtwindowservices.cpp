// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtwindowservices.h"

#include "regional.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
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

// Closing a shown window ends its local loop; hiding it by any other route must too.
class CloseWatcher : public QObject
{
public:
    CloseWatcher(QWidget *window, QEventLoop &loop) : QObject(window), m_loop(loop)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            QMetaObject::invokeMethod(&m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
};

} // namespace

void QtWindowServices::ShowWarning(QWidget *parent, const QString &prompt)
{
    ShowBox(parent, QMessageBox::Warning, prompt);
}

void QtWindowServices::ShowMessage(QWidget *parent, const QString &prompt)
{
    ShowBox(parent, QMessageBox::NoIcon, prompt);
}

void QtWindowServices::RepaintNow(QWidget *widget)
{
    widget->repaint();
}

void QtWindowServices::ShowModal(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    // A plain widget gets the same treatment a dialog gets from exec(): application-modal, and
    // the caller waits in a local loop until the window goes away.
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    auto *watcher = new CloseWatcher(window, loop);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    loop.exec(QEventLoop::DialogExec);
    if (guard)
        delete watcher;
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
