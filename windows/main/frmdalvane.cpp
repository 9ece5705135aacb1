// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/main/frmdalvane.h"

#include "answer/question.h"
#include "calendar/roz.h"
#include "platform/addresses.h"
#include "platform/coretext.h"
#include "platform/dialogfont.h"
#include "platform/familyregister.h"
#include "platform/twips.h"
#include "platform/windowservices.h"
#include "windows/about/frmabout.h"
#include "windows/calendar/frmcalendar.h"
#include "windows/family/frmfamily.h"
#include "windows/help/frmhelp.h"
#include "windows/main/ellreg.h"
#include "windows/schedule/frmschedule.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStringView>
#include <QStyleOptionFrame>
#include <limits>

namespace {

const QString kGreeting = QStringLiteral("Get the latest Dalvane from ") + kWebAddress;
const QString kAboutRemark = QStringLiteral("What do you think? Email me at ") + kContactAddress;

// The trim of the date field drops blanks only, as the typing rules know no other white space.
QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

void SetColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setMargin(0);
    return label;
}

// A text box that can tell whether a text fits its visible room.
class TextBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    bool Fits(const QString &text) const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        // The box keeps two pixels of its own on either side of the text.
        const int room = contents.width() - textMargins().left() - textMargins().right() - 4;
        return fontMetrics().horizontalAdvance(text) <= room;
    }
};

QLineEdit *MakeTextBox(QWidget *parent, const char *name, const QString &spokenName, bool readOnly)
{
    auto *box = new TextBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(spokenName);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The typing fields have no length limit of their own; a paste arrives whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    if (readOnly) {
        box->setReadOnly(true);
        // The grey of the read-only boxes is the scroll-bar grey of the classic desktop, which
        // is the button face in the toolkit's palettes.
        SetColour(box, QPalette::Base, box->palette().color(QPalette::Button));
    }
    return box;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

// A rectangle outline: a pen of `width` pixels in a palette colour, never filled and never in
// the way of the mouse.
QFrame *MakeShape(QWidget *parent, const char *name, int width, QPalette::ColorRole colour)
{
    auto *shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(width);
    shape->setFocusPolicy(Qt::NoFocus);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColour(shape, QPalette::WindowText, shape->palette().color(colour));
    return shape;
}

} // namespace

frmDalvane::frmDalvane(WindowServices &services, Registry &registry,
                       const RegionalSettings &settings, const QString &familyRegisterPath,
                       QWidget *parent)
    : QMainWindow(parent), m_services(services), m_registry(registry), m_settings(settings),
      m_familyRegisterPath(familyRegisterPath)
{
    setWindowTitle(QStringLiteral("Dalvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dalvane.png")));
    // A fixed single border: the title bar offers minimize and close, never maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    createMenus();
    createConnections();
    createTabOrder();
    ApplyLayout(screen() ? screen()->logicalDotsPerInch() : 96.0);
    Form_Initialize();
}

frmDalvane::~frmDalvane() = default;

void frmDalvane::createControls()
{
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setFont(DialogFont(8));
    setCentralWidget(Client);
    QWidget *c = Client;

    // The frames come first so that every control inside them lies above them.
    Shape1 = MakeShape(c, "Shape1", 2, QPalette::Mid);
    Shape2 = MakeShape(c, "Shape2", 1, QPalette::Base);
    Shape3 = MakeShape(c, "Shape3", 2, QPalette::Mid);
    Shape4 = MakeShape(c, "Shape4", 1, QPalette::Base);

    Label5 = MakeLabel(c, "Label5", QStringLiteral("Zoroastrian Dalvane"));
    Label5->setFont(DialogFont(12, true));
    Label9 = MakeLabel(c, "Label9", QStringLiteral("CHAIYE HAME ZARTHOSTI "));
    Label9->setFont(DialogFont(7.8, true, true));
    SetColour(Label9, QPalette::WindowText, QColor(255, 0, 0));
    Label9->setVisible(false);
    Text1 = MakeTextBox(c, "Text1", QStringLiteral("Enter English Calendar Date"), false);
    Command4 = MakeButton(c, "Command4", QString());
    // The picture keeps its own 15 x 15 pixels at every screen resolution.
    const QPixmap today(QStringLiteral(":/icons/today.png"));
    Command4->setIcon(today);
    Command4->setIconSize(today.size());
    Command4->setToolTip(QStringLiteral("Click here for Today's Roz"));
    Command4->setAccessibleName(Command4->toolTip());
    Label1 = MakeLabel(c, "Label1", QStringLiteral("Enter English Calendar Date"));
    Label2 = MakeLabel(c, "Label2", QStringLiteral("(In the Format dd-mm-yyyy)"));
    Check1 = new QCheckBox(QStringLiteral("This above date event falls between 12AM and 6AM"), c);
    Check1->setObjectName(QStringLiteral("Check1"));
    Label13 = MakeLabel(c, "Label13", QStringLiteral("(Leave it unchecked if you dont know)"));
    Text2 = MakeTextBox(c, "Text2", QStringLiteral("English Date that you have entered"), true);
    Label3 = MakeLabel(c, "Label3", QStringLiteral("For the English Date"));
    Label7 = MakeLabel(c, "Label7", QStringLiteral("that you have entered,"));
    Text3 = MakeTextBox(c, "Text3", QStringLiteral("Zoroastrian Roz"), true);
    Label4 = MakeLabel(c, "Label4", QStringLiteral("The Zoroastrian Roz is"));
    Label12 = MakeLabel(c, "Label12", QStringLiteral(", and is"));
    Label10 = MakeLabel(c, "Label10", QString());
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The one display setting the design leaves open: a single-line border round the meaning.
    Label10->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label10->setLineWidth(1);
    Label10->setAccessibleDescription(QStringLiteral("Meaning of the Roz"));
    Text5 = MakeTextBox(c, "Text5", QStringLiteral("Year"), false);
    Text4 = MakeTextBox(c, "Text4", QStringLiteral("Date it falls on in that year"), true);
    Label6 = MakeLabel(c, "Label6", QStringLiteral("and in the year"));
    Label8 = MakeLabel(c, "Label8", QStringLiteral("it falls on"));
    Command1 = MakeButton(c, "Command1", QStringLiteral("Calculate Roz"));
    Command1->setDefault(true);
    Command3 = MakeButton(c, "Command3", QStringLiteral("Cancel"));
    Command2 = MakeButton(c, "Command2", QStringLiteral("Exit"));
    lblTalk = MakeLabel(c, "lblTalk", QString());
    lblTalk->setAccessibleName(QStringLiteral("Status"));
    Label11 = MakeLabel(c, "Label11", QStringLiteral("Dalvane 2.0.2"));
    Label11->setFont(DialogFont(6.6, true, true, QStringLiteral("Small Fonts")));
    SetColour(Label11, QPalette::WindowText, QColor(0, 0, 192));

    for (QWidget *shape : {Shape4, Shape3, Shape2, Shape1})
        shape->lower();
}

void frmDalvane::createMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCalc = new QAction(QStringLiteral("&Calculate Roz"), this);
    mnuToday = new QAction(QStringLiteral("&Today's Roz"), this);
    mnuCancel = new QAction(QStringLiteral("Ca&ncel"), this);
    mnuSep2 = new QAction(this);
    mnuSep2->setSeparator(true);
    mnuExit = new QAction(QStringLiteral("&Exit"), this);
    mnuFile->addActions({mnuCalc, mnuToday, mnuCancel, mnuSep2, mnuExit});

    mnuObservances = menuBar()->addMenu(QStringLiteral("&Observances"));
    mnuObservances->setObjectName(QStringLiteral("mnuObservances"));
    mnuSchedule = new QAction(QStringLiteral("&Schedule of Observances..."), this);
    mnuSchedule->setObjectName(QStringLiteral("mnuSchedule"));
    mnuCalendar = new QAction(QStringLiteral("&Calendar..."), this);
    mnuCalendar->setObjectName(QStringLiteral("mnuCalendar"));
    mnuFamily = new QAction(tr("&Family Register..."), this);
    mnuFamily->setObjectName(QStringLiteral("mnuFamily"));
    mnuObservances->addActions({mnuSchedule, mnuCalendar, mnuFamily});

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = new QAction(QStringLiteral("&Contents"), this);
    mnuSep1 = new QAction(this);
    mnuSep1->setSeparator(true);
    nmuAbout = new QAction(QStringLiteral("&About"), this);
    mnuHelp->addActions({mnuContents, mnuSep1, nmuAbout});

    mnuCalc->setObjectName(QStringLiteral("mnuCalc"));
    mnuToday->setObjectName(QStringLiteral("mnuToday"));
    mnuCancel->setObjectName(QStringLiteral("mnuCancel"));
    mnuSep2->setObjectName(QStringLiteral("mnuSep2"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuContents->setObjectName(QStringLiteral("mnuContents"));
    mnuSep1->setObjectName(QStringLiteral("mnuSep1"));
    nmuAbout->setObjectName(QStringLiteral("nmuAbout"));
}

void frmDalvane::createConnections()
{
    connect(Command1, &QPushButton::clicked, this, &frmDalvane::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDalvane::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmDalvane::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmDalvane::Command4_Click);
    connect(mnuCalc, &QAction::triggered, this, &frmDalvane::mnuCalc_Click);
    connect(mnuToday, &QAction::triggered, this, &frmDalvane::mnuToday_Click);
    connect(mnuCancel, &QAction::triggered, this, &frmDalvane::mnuCancel_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDalvane::mnuExit_Click);
    connect(mnuSchedule, &QAction::triggered, this, &frmDalvane::mnuSchedule_Click);
    connect(mnuCalendar, &QAction::triggered, this, &frmDalvane::mnuCalendar_Click);
    connect(mnuFamily, &QAction::triggered, this, &frmDalvane::mnuFamily_Click);
    connect(mnuContents, &QAction::triggered, this, &frmDalvane::mnuContents_Click);
    connect(nmuAbout, &QAction::triggered, this, &frmDalvane::nmuAbout_Click);
    Text1->installEventFilter(this);
    Label2->installEventFilter(this);
}

void frmDalvane::createTabOrder()
{
    const QList<QWidget *> order = {Text1, Command1, Command2, Text2,    Command3,
                                    Text4, Text3,    Text5,    Command4, Check1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget *child : Client->findChildren<QWidget *>())
        if (!order.contains(child))
            child->setFocusPolicy(Qt::NoFocus);
}

void frmDalvane::ApplyLayout(qreal dotsPerInch)
{
    m_dpi = dotsPerInch;
    struct Placement
    {
        QWidget *control;
        int left, top, width, height; // twips
        Sizing sizing;
    };
    const Placement placements[] = {
        {Label5, 1236, -60, 3084, 300, Sizing::Centred},
        {Label9, 420, 240, 2448, 192, Sizing::ToText},
        {Text1, 2880, 360, 1032, 312, Sizing::Fixed},
        {Command4, 4056, 360, 372, 312, Sizing::Fixed},
        {Label1, 789, 480, 2016, 192, Sizing::ToText},
        {Label2, 843, 720, 1932, 192, Sizing::ToText},
        {Check1, 780, 1020, 4572, 192, Sizing::Fixed},
        {Label13, 1296, 1260, 2652, 192, Sizing::ToText},
        {Shape1, 120, 1560, 5292, 2112, Sizing::Fixed},
        {Shape2, 120, 1560, 5292, 2112, Sizing::Fixed},
        {Text2, 1920, 1680, 1032, 348, Sizing::Fixed},
        {Label3, 360, 1800, 1440, 192, Sizing::ToText},
        {Label7, 3060, 1800, 1572, 192, Sizing::ToText},
        {Text3, 2040, 2100, 2292, 348, Sizing::Fixed},
        {Label4, 300, 2280, 1620, 192, Sizing::ToText},
        {Label12, 4440, 2280, 504, 192, Sizing::ToText},
        {Label10, 300, 2520, 4932, 492, Sizing::Fixed},
        {Text5, 1380, 3120, 552, 348, Sizing::Fixed},
        {Text4, 2760, 3120, 2472, 348, Sizing::Fixed},
        {Label6, 240, 3240, 1044, 192, Sizing::ToText},
        {Label8, 2040, 3240, 612, 192, Sizing::ToText},
        {Command1, 414, 3840, 1512, 372, Sizing::Fixed},
        {Command3, 2082, 3840, 1512, 372, Sizing::Fixed},
        {Command2, 3726, 3840, 1392, 372, Sizing::Fixed},
        {Shape3, 60, 4380, 5412, 12, Sizing::Fixed},
        {Shape4, 60, 4380, 5412, 12, Sizing::Fixed},
        {lblTalk, 60, 4440, 36, 192, Sizing::GrowRight},
        {Label11, 4380, 4440, 1080, 156, Sizing::ToText},
    };
    for (const Placement &p : placements) {
        QRect box = TwipsRect(p.left, p.top, p.width, p.height, dotsPerInch);
        // An outline is never thinner than its own pen: the divider pair is one twip row high.
        if (auto *shape = qobject_cast<QFrame *>(p.control);
            shape && shape->objectName().startsWith(u"Shape"))
            box.setHeight(std::max(box.height(), shape->lineWidth()));
        // The tick box needs more height than its designed line; it grows about the line's middle.
        if (p.control == Check1 && Check1->sizeHint().height() > box.height()) {
            const int centre = box.center().y();
            box.setHeight(Check1->sizeHint().height());
            box.moveCenter({box.center().x(), centre});
        }
        p.control->setGeometry(box);
        if (p.sizing != Sizing::Fixed) {
            auto *label = static_cast<QLabel *>(p.control);
            m_captionBoxes.insert(label, {box, p.sizing});
            sizeToCaption(label);
        }
    }
    Client->setFixedSize(TwipsToPixels(5532, dotsPerInch), TwipsToPixels(4704, dotsPerInch));
    fitMeaning();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void frmDalvane::CentreOnScreen()
{
    const QScreen *where = screen();
    if (!where)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(where->availableGeometry().center());
    move(frame.topLeft());
    // Before the window manager has framed the window its frame is unknown, and centring the
    // bare client area leaves the framed window half a title bar low: centre again once framed.
    m_centreWhenFramed = frameGeometry() == geometry();
}

void frmDalvane::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_centreWhenFramed && frameGeometry() != geometry())
        CentreOnScreen();
}

// Start-up: the year, the greeting, the regional date order and the hint and sample that go
// with it.
void frmDalvane::Form_Initialize()
{
    Text5->setText(QString::number(m_services.Today().year()));
    setTalk(kGreeting);
    EllReg::DateOrder = DetectDateOrder(m_settings);
    // The sample is 1 February 1971 written as the hint says, whatever the regional separator.
    constexpr CalendarDate sample = *CalendarDate::fromYmd(1971, 2, 1);
    setCaption(Label2, FromCore(DateHintCaption(EllReg::DateOrder)));
    Text1->setText(FormatDate(sample, FromCore(DateFormatHint(EllReg::DateOrder)), m_settings));
}

void frmDalvane::CalculateRoz()
{
    const QString entry = TrimBlanks(Text1->text());
    Text1->setText(entry);

    Question question;
    question.dateText = entry;
    question.order = EllReg::DateOrder;
    question.beforeDawn = Check1->isChecked();
    question.yearText = Text5->text();
    const std::variant<CheckedQuestion, InputProblem> checked = Check(question, m_settings);
    if (const auto *problem = std::get_if<InputProblem>(&checked)) {
        refuse(*problem);
        return;
    }
    const CheckedQuestion &input = std::get<CheckedQuestion>(checked);

    setTalk(QStringLiteral("I'm working, I'm calculating....please wait !"));
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    setResult(Text3, QString());
    setCaption(Label10, QString());
    setResult(Text4, QString());

    // The walks below run for up to some millions of days without returning to the event loop,
    // so each field is painted as soon as it is known.
    setResult(Text2, FormatDate(input.entered, QStringLiteral("dd-mmm-yyyy"), m_settings));
    m_services.RepaintNow(Text2);

    const RozRow &row = RozTable[ReckonRoz(input.rozDate, EllReg::DateOrder)];
    setTalk(QStringLiteral("There, I've finished calculating the Roz...next the Date..."));
    setResult(Text3, FromCore(row.name));
    setCaption(Label10, FromCore(row.meaning));
    m_services.RepaintNow(Text3);
    m_services.RepaintNow(Label10);

    const std::optional<CalendarDate> same =
        SameRozDate(input.rozDate, ToCore(question.yearText), EllReg::DateOrder, m_settings.rules);
    setTalk(
        same ? QStringLiteral("Finished calculating the Roz and the Date...Dikraaa !")
             : QStringLiteral("I did the Roz but I can't calculate that Date...try again please"));
    setResult(Text4, SameRozText(same, m_settings));

    Command1->setEnabled(true);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    moveFocus(Text1);
}

// A check that failed: its box, the remark that goes with it, and the field to type again. A
// bad year gives way to the current one.
void frmDalvane::refuse(const InputProblem &problem)
{
    m_services.ShowWarning(this, problem.message);
    if (problem.field == TypedProblem::Date) {
        setTalk(QStringLiteral("Please enter a valid date...you sure are making me work !"));
        moveFocus(Text1);
        return;
    }
    setTalk(problem.check == TypedProblem::YearNotANumber
                ? QStringLiteral("Yo...please...enter a Valid year dikraa !")
                : QStringLiteral("Please enter a number I recognize !"));
    Text5->setText(QString::number(m_services.Today().year()));
    moveFocus(Text5);
}

void frmDalvane::Command1_Click()
{
    CalculateRoz();
}

void frmDalvane::mnuCalc_Click()
{
    CalculateRoz();
}

void frmDalvane::Command2_Click()
{
    m_services.EndProgram();
}

void frmDalvane::mnuExit_Click()
{
    m_services.EndProgram();
}

void frmDalvane::Command3_Click()
{
    cancelAll();
}

void frmDalvane::mnuCancel_Click()
{
    cancelAll();
}

void frmDalvane::cancelAll()
{
    Text1->clear();
    setResult(Text2, QString());
    setResult(Text3, QString());
    setResult(Text4, QString());
    setCaption(Label10, QString());
    Check1->setChecked(false);
    Command3->setEnabled(false);
    setTalk(QStringLiteral("I bow to thee command...everything has been Cancelled !"));
    moveFocus(Text1);
}

void frmDalvane::Command4_Click()
{
    todaysRoz(true);
}

void frmDalvane::mnuToday_Click()
{
    todaysRoz(false);
}

// The button always reckons today as it is; the menu keeps the before-dawn flag the user set.
void frmDalvane::todaysRoz(bool clearBeforeDawn)
{
    Text1->setText(FormatDate(m_services.Today(), TodayPattern(EllReg::DateOrder), m_settings));
    setResult(Text2, QString());
    setResult(Text3, QString());
    setResult(Text4, QString());
    setCaption(Label10, QString());
    if (clearBeforeDawn)
        Check1->setChecked(false);
    Text5->setText(QString::number(m_services.Today().year()));
    setTalk(QStringLiteral("Click on the 'Calculate Roz' Button to check today's Roz."));
    CalculateRoz();
}

// The date field is read as Calculate reads it, but left as typed: the schedule is a look, not
// a calculation. A date that does not read gives today's schedule.
void frmDalvane::mnuSchedule_Click()
{
    const std::optional<CalendarDate> entered =
        ParseDate(TrimBlanks(Text1->text()), EllReg::DateOrder, m_settings);
    setTalk(entered ? QStringLiteral("Here are all the days to keep for that date...Dikraaa !")
                    : QStringLiteral(
                          "I can't read that date, so here are the days to keep from today !"));
    OpenSchedule(entered.value_or(m_services.Today()), Check1->isChecked());
}

void frmDalvane::OpenSchedule(CalendarDate date, bool beforeDawn)
{
    scheduleWindow().SetDate(date, beforeDawn);
    m_services.ShowModal(m_schedule.get());
}

frmSchedule &frmDalvane::scheduleWindow()
{
    if (!m_schedule) {
        m_schedule = std::make_unique<frmSchedule>(m_services, m_settings, EllReg::DateOrder, this);
        m_schedule->SetFamilyRegister(&familyRegister());
    }
    return *m_schedule;
}

// Made with its first use, which opens nothing yet: the file is read when a window asks.
FamilyRegister &frmDalvane::familyRegister()
{
    if (!m_familyRegister)
        m_familyRegister = std::make_unique<FamilyRegister>(m_familyRegisterPath);
    return *m_familyRegister;
}

// The month of the typed date, read as the schedule reads it; this month when it does not read.
void frmDalvane::mnuCalendar_Click()
{
    const std::optional<CalendarDate> entered =
        ParseDate(TrimBlanks(Text1->text()), EllReg::DateOrder, m_settings);
    setTalk(entered ? QStringLiteral("Here is the month of that date, every day with its roz !")
                    : QStringLiteral("I can't read that date, so here is this month !"));
    if (!m_calendar) {
        m_calendar = std::make_unique<frmCalendar>(m_services, m_settings, this);
        // A day's schedule opens over the calendar, which stays open beneath it.
        connect(m_calendar.get(), &frmCalendar::ScheduleAsked, this, [this](QDate date) {
            if (const std::optional<CalendarDate> day = FromQDate(date))
                OpenSchedule(*day, false);
        });
    }
    m_calendar->ShowDate(entered.value_or(m_services.Today()));
    m_services.ShowModal(m_calendar.get());
}

// The register is read anew at every opening: the command line may have changed it meanwhile.
void frmDalvane::mnuFamily_Click()
{
    setTalk(tr("Here are the days your family keeps, and what is coming !"));
    if (!m_family) {
        m_family = std::make_unique<frmFamily>(m_services, familyRegister(), m_settings,
                                               EllReg::DateOrder, this);
        // An entry's schedule opens over the register, which stays open beneath it.
        connect(m_family.get(), &frmFamily::ScheduleAsked, this, [this](const FamilyEntry &entry) {
            scheduleWindow().SetEntry(entry);
            m_services.ShowModal(m_schedule.get());
        });
    }
    m_family->Reload();
    m_services.ShowModal(m_family.get());
}

void frmDalvane::mnuContents_Click()
{
    setTalk(QStringLiteral("Didn't I tell you Help was avaliable?"));
    if (!m_help)
        m_help = std::make_unique<frmHelp>();
    m_services.ShowModal(m_help.get());
}

void frmDalvane::nmuAbout_Click()
{
    setTalk(kAboutRemark);
    if (!m_about)
        m_about = std::make_unique<frmAbout>(m_services, m_registry, this);
    m_services.ShowModal(m_about.get());
}

void frmDalvane::Label2_DblClick()
{
    Label9->setVisible(!Label9->isVisible());
}

void frmDalvane::Text1_GotFocus()
{
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    if (!Text1->text().isEmpty())
        Command3->setEnabled(true);
}

void frmDalvane::Text1_KeyPress(std::int16_t &KeyAscii)
{
    Q_UNUSED(KeyAscii); // every character is let through; only CalculateRoz judges the field
    setTalk(QStringLiteral("Yesss...I'm getting some Input !"));
    Command1->setEnabled(true);
    Command3->setEnabled(true);
}

bool frmDalvane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1) {
        switch (event->type()) {
        case QEvent::FocusIn: {
            // A message box or a menu closing gives the focus back; that is not a move.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_text1HasFocus = false;
            if (!m_text1HasFocus) {
                m_text1HasFocus = true;
                Text1_GotFocus();
            }
            break;
        }
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_text1HasFocus = false;
            break;
        }
        case QEvent::InputMethod:
            // A character composed through an input method or a dead key is typed all the same.
            if (!static_cast<QInputMethodEvent *>(event)->commitString().isEmpty()) {
                std::int16_t keyAscii = static_cast<std::int16_t>(
                    static_cast<QInputMethodEvent *>(event)->commitString().at(0).unicode());
                Text1_KeyPress(keyAscii);
            }
            break;
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            const int code = key->key();
            // Enter belongs to the default button and Tab to the focus order; Delete edits
            // without typing a character.
            if (!key->text().isEmpty() && code != Qt::Key_Return && code != Qt::Key_Enter &&
                code != Qt::Key_Tab && code != Qt::Key_Backtab && code != Qt::Key_Delete) {
                std::int16_t keyAscii = static_cast<std::int16_t>(key->text().at(0).unicode());
                Text1_KeyPress(keyAscii);
            }
            break;
        }
        default:
            break;
        }
    } else if (watched == Label2 && event->type() == QEvent::MouseButtonDblClick) {
        Label2_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter clicks the button that has the focus, and anywhere else the default button, as in a
// dialog; Esc is nobody's.
void frmDalvane::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *button = qobject_cast<QPushButton *>(focusWidget());
        if (!button)
            button = Command1;
        if (button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// A result box shows its text from the first character. One that is still too long for its box
// (a long date in a wordy language) shows its start, and the whole text as its tool tip.
void frmDalvane::setResult(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(static_cast<TextBox *>(box)->Fits(text) ? QString() : text);
}

void frmDalvane::setTalk(const QString &remark)
{
    setCaption(lblTalk, remark);
    lblTalk->setAccessibleDescription(remark);
}

void frmDalvane::setCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    if (label == Label10)
        fitMeaning();
    else
        sizeToCaption(label);
}

// The label boxes were drawn for the old dialog font. A caption that comes out wider here
// spreads to both sides of its box rather than running into the field it introduces; the
// status line grows to the right, and while a long remark reaches the version label, the
// version label steps aside for it.
void frmDalvane::sizeToCaption(QLabel *label)
{
    const auto found = m_captionBoxes.constFind(label);
    if (found == m_captionBoxes.constEnd())
        return; // not laid out yet
    const auto [box, sizing] = *found;
    label->adjustSize();
    int left = box.left();
    if (sizing == Sizing::Centred || (sizing == Sizing::ToText && label->width() > box.width()))
        left = box.left() + (box.width() - label->width()) / 2;
    label->move(left, box.top());
    if (label == lblTalk || label == Label11)
        Label11->setVisible(lblTalk->geometry().right() < Label11->geometry().left());
}

// The meaning keeps its two-line box. At the designed size one meaning (roz 7) needs a third
// line, which the box would cut off; that one is set a little smaller so it shows whole.
void frmDalvane::fitMeaning()
{
    QFont font = Client->font();
    const QRect room = Label10->contentsRect();
    for (; font.pointSizeF() > 6; font.setPointSizeF(font.pointSizeF() - 0.5)) {
        const QRect needed = QFontMetrics(font).boundingRect(
            room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Label10->text());
        if (needed.height() <= room.height())
            break;
    }
    Label10->setFont(font);
}

// Moving the focus by code raises the date field's focus handler when the focus really moves,
// also while the window is not the active one and the toolkit sends no focus event.
void frmDalvane::moveFocus(QLineEdit *field)
{
    const bool moves = focusWidget() != field;
    field->setFocus(Qt::OtherFocusReason);
    if (field == Text1 && moves && !isActiveWindow()) {
        m_text1HasFocus = true;
        Text1_GotFocus();
    } else if (field != Text1 && !isActiveWindow()) {
        m_text1HasFocus = false;
    }
}
