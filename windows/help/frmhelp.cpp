// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help/frmhelp.h"

#include "platform/addresses.h"
#include "platform/dialogfont.h"
#include "platform/twips.h"

#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>

namespace {

// The label is 3372 twips wide and a blank of the 8-point dialog font it was drawn with is
// about 48 twips, so some 70 blanks fill a line: the runs of 43 and 44 blanks after the heading
// and the rule only finish their line, the runs of 95 and more also leave an empty one.
constexpr int kBlanksPerLabelLine = 70;

} // namespace

frmHelp::frmHelp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Dalvane Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dalvane-help.png")));
    // Fixed border with the control menu and the close button alone.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    setFont(DialogFont());
    setAccessibleName(windowTitle());

    createControls();

    const qreal dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(3480, dpi), TwipsToPixels(4656, dpi));
}

frmHelp::~frmHelp() = default;

void frmHelp::createControls()
{
    Label1 = new QLabel(HelpDisplayText(HelpText()), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(TwipsRect(60, 60, 3372, 4512, logicalDpiX()));
    // A font that wraps the paragraphs onto more lines than the label holds would cut off the
    // last of them, the web address: the paragraphs then go without the empty line between them.
    if (Label1->heightForWidth(Label1->width()) > Label1->height())
        Label1->setText(HelpDisplayText(HelpText(), false));
}

void frmHelp::keyPressEvent(QKeyEvent *event)
{
    // The window has no button, so Esc closes nothing: only the title bar's close does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString frmHelp::HelpText()
{
    const auto blanks = [](int count) { return QString(count, QLatin1Char(' ')); };
    return QStringLiteral("Dalvane version 2.0.2") + blanks(43) +
           QStringLiteral("===================") + blanks(44) +
           QStringLiteral("Enter the date that you want to calculate the Roz in the format "
                          "prompted to you.") +
           blanks(2) +
           QStringLiteral("dd/mm/yyyy or mm/dd/yyyy or yyyy/mm/dd as per your Regional Date "
                          "setting.") +
           blanks(142) +
           QStringLiteral(
               "Next, Enter the Year that you want to calculate that Roz in that year.") +
           blanks(2) +
           QStringLiteral("The program automatically enters the current year as default.") +
           blanks(95) +
           QStringLiteral("Press the (Calculate Roz) button to calculate the Roz and date.") +
           blanks(150) +
           QStringLiteral("Press the (Today's Roz) Graphic button to calculate today's Roz.") +
           blanks(134) + QStringLiteral("Press the (Exit) button to exit the program.") +
           blanks(101) + QStringLiteral("Any problems, questions, updates visit our Website at: ") +
           kWebAddress;
}

QString frmHelp::HelpDisplayText(const QString &helpText, bool emptyLines)
{
    // Qt lets blanks at the end of a line hang past the label's edge instead of wrapping them,
    // so the runs would not start new lines; they are turned into the line breaks they stand
    // for. The two blanks between sentences of one paragraph stay.
    static const QRegularExpression longRun(QStringLiteral(" {3,}"));
    QString display;
    qsizetype from = 0;
    for (auto match = longRun.globalMatch(helpText); match.hasNext();) {
        const QRegularExpressionMatch run = match.next();
        display += helpText.mid(from, run.capturedStart() - from);
        display += emptyLines && run.capturedLength() > kBlanksPerLabelLine ? QStringLiteral("\n\n")
                                                                            : QStringLiteral("\n");
        from = run.capturedEnd();
    }
    display += helpText.mid(from);
    return display;
}
