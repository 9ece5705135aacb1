// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the Help or the About window on its own, for looking at it and taking screenshots:
// show_secondary help|about
#include "frmabout.h"
#include "frmhelp.h"
#include "qtwindowservices.h"
#include "registry.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2 || (std::strcmp(argv[1], "help") != 0 && std::strcmp(argv[1], "about") != 0)) {
        std::fputs("usage: show_secondary help|about\n", stderr);
        return 2;
    }
    QtWindowServices services;
    const auto registry = CreateSystemRegistry();
    if (std::strcmp(argv[1], "help") == 0) {
        frmHelp window;
        window.show();
        return application.exec();
    }
    frmAbout window(services, *registry);
    window.show();
    return application.exec();
}
