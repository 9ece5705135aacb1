// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// dalvane-cli: the roz calculator for terminals and scripts. The first operand names the
// command (cli/cli.cpp lists them); without one it calculates the roz of a date.
#include "cli/cli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

namespace {

// A command that draws pages needs fonts, hence a GUI application, but never a display; its
// standard error carries this program's messages, not the platform's remarks on a desktop
// session it does not need.
std::unique_ptr<QCoreApplication> MakeApplication(const Command &command, int &argc, char **argv)
{
    if (!command.drawsPages)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            Print(stderr, text + u'\n');
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const Command &command = CommandNamed(argc > 1 ? argv[1] : "");
    const std::unique_ptr<QCoreApplication> application = MakeApplication(command, argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dalvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DALVANE_VERSION));
    return command.run(QCoreApplication::arguments());
}
