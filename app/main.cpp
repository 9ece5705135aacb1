// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/familyregister.h"
#include "platform/qtwindowservices.h"
#include "platform/regional.h"
#include "platform/registry.h"
#include "windows/main/frmdalvane.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>

// The window program reads no command line: the arguments go to the toolkit alone.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dalvane"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dalvane.Dalvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/dalvane.png")));

    const RegionalSettings settings = RegionalSettings::fromLocale();
    QtWindowServices services;
    const std::unique_ptr<Registry> registry = CreateSystemRegistry();

    // Creating the window runs its start-up handler, before it is first shown.
    frmDalvane window(services, *registry, settings, FamilyRegister::DefaultPath());
    window.CentreOnScreen();
    window.show();
    window.CentreOnScreen();
    window.Text1->setFocus(Qt::ActiveWindowFocusReason);
    return app.exec();
}
