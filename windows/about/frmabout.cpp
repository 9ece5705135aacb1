// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/frmabout.h"

#include "platform/addresses.h"
#include "platform/dialogfont.h"
#include "platform/registry.h"
#include "platform/twips.h"
#include "platform/windowservices.h"
#include "windows/about/keyvalue.h"

#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>
#include <algorithm>

namespace {

// Where Windows records its system-information program: the program itself, or else the folder
// that holds MSINFO32.EXE.
constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kMsinfoValue[] = "PATH";
constexpr char kSharedToolsKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kSharedToolsValue[] = "MSINFO";
constexpr char kMsinfoProgram[] = "\\MSINFO32.EXE";

// Rights holder, then the contact and update addresses, each on a line of its own.
const QString &NoticeOfRights()
{
    static const QString notice =
        QStringLiteral("Copyright (C) 2026 The Dalvane developers\nEmail: ") + kContactAddress +
        QStringLiteral("\nUpdates: ") + kWebAddress;
    return notice;
}

// The emblem, drawn from its vector source at the box's size so that it stays sharp at any
// resolution and on high-density screens.
QPixmap EmblemPixmap(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/about/asho-farohar.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

frmAbout::frmAbout(WindowServices &services, Registry &registry, QWidget *parent)
    : QDialog(parent), m_services(services), m_registry(registry)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Dalvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dalvane.png")));
    // A dialog owned by the main window stays out of the taskbar on every desktop while keeping
    // the ordinary caption with the icon and the control menu; it offers only the close
    // button, and the fixed-size hint gives it the thin fixed border on Windows.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    setFont(DialogFont());
    setAccessibleName(windowTitle());

    createControls();
    createConnections();

    const qreal dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(3516, dpi), TwipsToPixels(3312, dpi));
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls()
{
    const qreal dpi = logicalDpiX();
    const auto place = [dpi](QWidget *control, int left, int top, int width, int height) {
        control->setGeometry(TwipsRect(left, top, width, height, dpi));
    };

    // Created in tab order: cmdOK, cmdSysInfo, then the emblem; the labels take no focus.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    place(cmdOK, 1980, 2340, 1440, 345);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAccessibleName(QStringLiteral("System Info..."));
    place(cmdSysInfo, 1980, 2760, 1428, 345);

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setToolTip(QStringLiteral("Asho-Farohar"));
    Picture2->setAccessibleName(QStringLiteral("Asho-Farohar"));
    Picture2->setFocusPolicy(Qt::StrongFocus);
    // The box takes the size of its picture, which is drawn for the same resolution as the
    // window: 111 x 60 pixels where 12 twips make one.
    const QRect pictureBox = TwipsRect(1092, 1200, 1332, 720, dpi);
    Picture2->setPixmap(EmblemPixmap(pictureBox.size(), devicePixelRatioF()));
    Picture2->setGeometry(pictureBox);

    Label1 = new QLabel(QStringLiteral("Dalvane v2.0.2"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(DialogFont(18, true, false, QStringLiteral("Arial")));
    Label1->move(TwipsToPixels(480, dpi), 0);
    Label1->adjustSize();

    Label3 = new QLabel(NoticeOfRights(), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Keeps its width and grows downward to fit the wrapped notice.
    const QRect noticeBox = TwipsRect(396, 420, 2724, 576, dpi);
    Label3->setGeometry(noticeBox.x(), noticeBox.y(), noticeBox.width(),
                        std::max(noticeBox.height(), Label3->heightForWidth(noticeBox.width())));

    // The freeware note is empty when the window is designed and no code fills it in.
    Label2 = new QLabel(QString(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(DialogFont(6, false, false, QStringLiteral("Small Fonts")));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The note is empty, so the label is given neither border nor right alignment: an empty
    // framed box would look like a control that failed to draw.
    Label2->setAccessibleDescription(QStringLiteral("Freeware note"));
    place(Label2, 120, 2280, 1632, 912);
}

void frmAbout::createConnections()
{
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A show that the program asks for loads the window afresh; a window restored by the
    // desktop is not loaded again.
    if (event->spontaneous())
        return;
    Form_Load();
    cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // cmdOK is the cancel button as well: Esc clicks it instead of dismissing the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::Form_Load()
{
    // Nothing to prepare: every control keeps its designed content.
}

void frmAbout::cmdOK_Click()
{
    // Unloads the window; the next About command loads and shows it afresh.
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    // Whatever goes wrong, from the registry to the program start, ends in the one message.
    try {
        QString SysInfoPath;
        bool found = GetKeyValue(Registry::HKEY_LOCAL_MACHINE, QLatin1String(kMsinfoKey),
                                 QLatin1String(kMsinfoValue), SysInfoPath);
        if (!found && GetKeyValue(Registry::HKEY_LOCAL_MACHINE, QLatin1String(kSharedToolsKey),
                                  QLatin1String(kSharedToolsValue), SysInfoPath)) {
            // The folder is joined with no check of its final separator, so a folder that
            // ends in "\" gives a doubled one.
            found = !m_services.FileTest(SysInfoPath + QLatin1String(kMsinfoProgram)).isEmpty();
            if (found)
                SysInfoPath += QLatin1String(kMsinfoProgram);
        }
        if (found) {
            m_services.StartProgram(SysInfoPath);
            return;
        }
    } catch (...) {
        // Never fails to its caller: any error at all becomes the message below.
    }
    m_services.ShowMessage(this, QStringLiteral("System Information Is Unavailable At This Time"));
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    // The registry speaks the system's ANSI code page, which is Qt's local 8-bit encoding.
    std::string value = KeyVal.toLocal8Bit().toStdString();
    const bool read = ::GetKeyValue(m_registry, KeyRoot, KeyName.toLocal8Bit().toStdString(),
                                    SubKeyRef.toLocal8Bit().toStdString(), value);
    KeyVal = QString::fromLocal8Bit(value);
    return read;
}
