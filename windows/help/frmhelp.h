// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// The program's one help text, shown modally from the main window's Help menu. The window has
// no code of its own: no buttons, no handlers; the title bar's close button closes it.
class frmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget *parent = nullptr);
    ~frmHelp() override;

    // The caption of Label1 as the program has always assembled it: its pieces joined by runs
    // of blanks that fill out each line of the label so that the next piece starts a new one.
    static QString HelpText();
    // The same text laid out for any font: a run that fills out the rest of a line becomes a
    // line break, and a run that fills further lines leaves an empty line as well, unless
    // emptyLines is false.
    static QString HelpDisplayText(const QString &helpText, bool emptyLines = true);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();

    QLabel *Label1 = nullptr;
};
