// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeregistry.h"
#include "frmabout.h"
#include "recordingservices.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// A registry value given in a test row: its bytes (a null array: no such value), and the size
// reported (-1: the count of bytes), as text unless `type` says otherwise.
struct RowValue
{
    QByteArray bytes;
    int sizeOut = -1;
    uint type = 1;
};

void Store(FakeRegistry &registry, const std::string &key, const std::string &name,
           const RowValue &value)
{
    if (value.bytes.isNull())
        return;
    FakeRegistry::Value stored;
    stored.type = value.type;
    stored.bytes = std::string(value.bytes.constData(), std::size_t(value.bytes.size()));
    if (value.sizeOut >= 0)
        stored.sizeOut = std::uint32_t(value.sizeOut);
    registry.setValue(key, name, stored);
}

QByteArray WithNul(const char *text)
{
    return QByteArray(text) + QByteArray(1, '\0');
}

QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

Q_DECLARE_METATYPE(RowValue)

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void startSysInfo_data();
    void startSysInfo();
    void readsRegistryAfreshEachClick();
    void windowAttributes();
    void controls_data();
    void controls();
    void controlsDoNotOverlap();
    void focusOnOkWhenShown();
    void keysCloseOrStart_data();
    void keysCloseOrStart();
    void tabOrder();

private:
    template<typename T>
    static T *control(frmAbout &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    static void showActive(frmAbout &window);
};

void TestFrmAbout::showActive(frmAbout &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestFrmAbout::startSysInfo_data()
{
    QTest::addColumn<RowValue>("first");  // value PATH of the MSINFO key
    QTest::addColumn<RowValue>("second"); // value MSINFO of the Shared Tools Location key
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("expectedStarts"); // the starts attempted
    QTest::addColumn<QStringList>("expectedFileTests");
    QTest::addColumn<bool>("expectMessage");
    QTest::addColumn<int>("expectedOpens");

    const QString tool = QStringLiteral("C:\\Windows\\System32\\msinfo32.exe");
    const QString folder =
        QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
    const QString inFolder = folder + QStringLiteral("\\MSINFO32.EXE");
    const RowValue none;

    QTest::newRow("first value starts directly")
        << RowValue{WithNul("C:\\Windows\\System32\\msinfo32.exe")}
        << RowValue{WithNul("C:\\Other")} << QStringList{} << QStringList{tool} << QStringList{tool}
        << QStringList{} << false << 1;
    QTest::newRow("first value without its NUL")
        << RowValue{QByteArray("C:\\Windows\\System32\\msinfo32.exe")} << none << QStringList{}
        << QStringList{tool} << QStringList{tool} << QStringList{} << false << 1;
    QTest::newRow("second value when the folder holds the file")
        << none << RowValue{WithNul(folder.toLatin1())} << QStringList{inFolder}
        << QStringList{inFolder} << QStringList{inFolder} << QStringList{inFolder} << false << 2;
    QTest::newRow("second value ending in a separator doubles it")
        << none << RowValue{WithNul("C:\\MSInfo\\")}
        << QStringList{QStringLiteral("C:\\MSInfo\\\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("C:\\MSInfo\\\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("C:\\MSInfo\\\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("C:\\MSInfo\\\\MSINFO32.EXE")} << false << 2;
    QTest::newRow("neither value readable") << none << none << QStringList{} << QStringList{}
                                            << QStringList{} << QStringList{} << true << 2;
    QTest::newRow("folder lacks the file")
        << none << RowValue{WithNul(folder.toLatin1())} << QStringList{} << QStringList{inFolder}
        << QStringList{} << QStringList{inFolder} << true << 2;
    QTest::newRow("first value of size 0 skips the second")
        << RowValue{WithNul("C:\\x.exe"), 0} << RowValue{WithNul(folder.toLatin1())}
        << QStringList{inFolder} << QStringList{inFolder} << QStringList{} << QStringList{} << true
        << 1;
    QTest::newRow("second value of size 0")
        << none << RowValue{WithNul(folder.toLatin1()), 0} << QStringList{inFolder}
        << QStringList{inFolder} << QStringList{} << QStringList{} << true << 2;
    QTest::newRow("start fails") << RowValue{WithNul("C:\\Broken\\msinfo32.exe")} << none
                                 << QStringList{} << QStringList{}
                                 << QStringList{"C:\\Broken\\msinfo32.exe"} << QStringList{} << true
                                 << 1;
    QTest::newRow("empty first value fails to start")
        << RowValue{WithNul("")} << RowValue{WithNul(folder.toLatin1())} << QStringList{inFolder}
        << QStringList{inFolder} << QStringList{""} << QStringList{} << true << 1;
    QTest::newRow("first value a number")
        << RowValue{QByteArray::fromHex("02010000"), -1, 4} << none << QStringList{}
        << QStringList{} << QStringList{"&h012"} << QStringList{} << true << 1;
    QTest::newRow("first value of another type starts the empty text")
        << RowValue{QByteArray("\x01\x02", 2), -1, 3} << none << QStringList{} << QStringList{}
        << QStringList{""} << QStringList{} << true << 1;
    QTest::newRow("second value of 1025 bytes")
        << none << RowValue{QByteArray(1025, 'C')} << QStringList{} << QStringList{}
        << QStringList{} << QStringList{} << true << 2;
}

void TestFrmAbout::startSysInfo()
{
    QFETCH(RowValue, first);
    QFETCH(RowValue, second);
    QFETCH(QStringList, files);
    QFETCH(QStringList, programs);
    QFETCH(QStringList, expectedStarts);
    QFETCH(QStringList, expectedFileTests);
    QFETCH(bool, expectMessage);
    QFETCH(int, expectedOpens);

    FakeRegistry registry;
    Store(registry, kMsinfoKey, "PATH", first);
    Store(registry, kSharedToolsKey, "MSINFO", second);
    RecordingServices services;
    services.files = QSet<QString>(files.begin(), files.end());
    services.programs = QSet<QString>(programs.begin(), programs.end());

    frmAbout window(services, registry);
    window.show();
    window.StartSysInfo(); // never throws

    QCOMPARE(services.startAttempts, expectedStarts);
    QCOMPARE(services.fileTests, expectedFileTests);
    QCOMPARE(int(registry.opens.size()), expectedOpens);
    QVERIFY2(registry.openHandles.empty(), "a key was left open");
    if (expectMessage) {
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0], kUnavailable);
        QCOMPARE(services.messageParents[0], &window);
    } else {
        QCOMPARE(services.messages.size(), 0);
    }
    QVERIFY2(window.isVisible(), "the About window closed");
    QCOMPARE(services.warnings.size(), 0);
}

void TestFrmAbout::readsRegistryAfreshEachClick()
{
    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);
    auto *cmdSysInfo = control<QPushButton>(window, "cmdSysInfo");
    QVERIFY(cmdSysInfo);

    QTest::mouseClick(cmdSysInfo, Qt::LeftButton);
    QCOMPARE(services.messages.size(), 1);

    // The program appears between two clicks; the second click finds it.
    const QString tool = QStringLiteral("C:\\Tools\\msinfo32.exe");
    Store(registry, kMsinfoKey, "PATH", RowValue{WithNul("C:\\Tools\\msinfo32.exe")});
    services.programs.insert(tool);
    QTest::mouseClick(cmdSysInfo, Qt::LeftButton);
    QCOMPARE(services.started, QStringList{tool});
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(registry.opens.size(), std::size_t(3));
}

void TestFrmAbout::windowAttributes()
{
    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);

    QCOMPARE(window.windowTitle(), QStringLiteral("About Dalvane"));
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool); // kept out of the taskbar
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    // The program icon itself.
    const QImage icon = window.windowIcon().pixmap(QSize(64, 64)).toImage();
    QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
             QImage(QStringLiteral(":/icons/dalvane.png")).convertToFormat(QImage::Format_ARGB32));

    const qreal dpi = window.logicalDpiX();
    const QSize client(TwipsToPixels(3516, dpi), TwipsToPixels(3312, dpi));
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);
    QCOMPARE(window.size(), client);
}

void TestFrmAbout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QRect>("twips"); // designed box; an empty size: sized to its content

    QTest::newRow("Label1") << "Label1"
                            << "Dalvane v2.0.2"
                            << "Dalvane v2.0.2" << QRect(480, 0, 0, 0);
    QTest::newRow("Label3") << "Label3"
                            << "Copyright (C) 2026 The Dalvane developers\n"
                               "Email: dalvane@example.org\n"
                               "Updates: https://dalvane.example.org"
                            << "Copyright (C) 2026 The Dalvane developers\n"
                               "Email: dalvane@example.org\n"
                               "Updates: https://dalvane.example.org"
                            << QRect(396, 420, 2724, 0);
    QTest::newRow("Picture2") << "Picture2" << QString() << "Asho-Farohar"
                              << QRect(1092, 1200, 1332, 720);
    QTest::newRow("Label2") << "Label2" << QString() << QString() << QRect(120, 2280, 1632, 912);
    QTest::newRow("cmdOK") << "cmdOK"
                           << "OK"
                           << "OK" << QRect(1980, 2340, 1440, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo"
                                << "&System Info..."
                                << "System Info..." << QRect(1980, 2760, 1428, 345);
}

void TestFrmAbout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, accessibleName);
    QFETCH(QRect, twips);

    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);
    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    QCOMPARE(AccessibleName(widget), accessibleName);
    QVERIFY(widget->isEnabled());

    const qreal dpi = window.logicalDpiX();
    const QRect box = TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), dpi);
    QCOMPARE(widget->pos(), box.topLeft());
    if (twips.width() > 0)
        QCOMPARE(widget->width(), box.width());
    if (twips.height() > 0)
        QCOMPARE(widget->height(), box.height());
    QVERIFY2(QRect(QPoint(0, 0), window.size()).contains(widget->geometry()),
             qPrintable(name + QStringLiteral(" reaches past the window")));
}

void TestFrmAbout::controlsDoNotOverlap()
{
    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);
    const QStringList names{"Label1", "Label3", "Picture2", "Label2", "cmdOK", "cmdSysInfo"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (qsizetype j = i + 1; j < names.size(); ++j) {
            const QRect a = window.findChild<QWidget *>(names[i])->geometry();
            const QRect b = window.findChild<QWidget *>(names[j])->geometry();
            QVERIFY2(!a.intersects(b), qPrintable(names[i] + " overlaps " + names[j]));
        }
    }

    // The heading and the notice show whole: the heading's text fits its label, and the notice
    // label is tall enough for its wrapped lines.
    auto *Label1 = control<QLabel>(window, "Label1");
    QVERIFY(Label1->width() >= Label1->sizeHint().width());
    QVERIFY(Label1->font().bold());
    QCOMPARE(Label1->font().pointSize(), 18);
    auto *Label3 = control<QLabel>(window, "Label3");
    QVERIFY(Label3->height() >= Label3->heightForWidth(Label3->width()));
    auto *Label2 = control<QLabel>(window, "Label2");
    QCOMPARE(Label2->font().pointSize(), 6);
    QCOMPARE(Label2->text(), QString());
    QCOMPARE(Label2->frameShape(), QFrame::NoFrame);
    QVERIFY(Label2->wordWrap());

    auto *Picture2 = control<QLabel>(window, "Picture2");
    QCOMPARE(Picture2->toolTip(), QStringLiteral("Asho-Farohar"));
    QVERIFY(!Picture2->pixmap().isNull());
    QCOMPARE(Picture2->pixmap().deviceIndependentSize().toSize(), Picture2->size());
    // The emblem is drawn, not a blank box.
    const QImage image = Picture2->pixmap().toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) > 0;
    QVERIFY2(inked > image.width() * image.height() / 5, "the emblem did not render");
}

void TestFrmAbout::focusOnOkWhenShown()
{
    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);
    auto *cmdOK = control<QPushButton>(window, "cmdOK");
    auto *cmdSysInfo = control<QPushButton>(window, "cmdSysInfo");

    showActive(window);
    QCOMPARE(QApplication::focusWidget(), cmdOK);
    QVERIFY(cmdOK->isDefault());

    // Moved elsewhere and closed, the window opens afresh with the focus on OK again.
    cmdSysInfo->setFocus();
    QCOMPARE(QApplication::focusWidget(), cmdSysInfo);
    QTest::mouseClick(cmdOK, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    showActive(window);
    QCOMPARE(QApplication::focusWidget(), cmdOK);

    // Centred on the screen each time it is shown.
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    QVERIFY2((window.frameGeometry().center() - screenCentre).manhattanLength() <= 2,
             "the About window is not centred");
}

void TestFrmAbout::keysCloseOrStart_data()
{
    QTest::addColumn<QString>("focusOn");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("startsSysInfo");

    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << 0 << true << false;
    QTest::newRow("keypad Enter on OK") << "cmdOK" << int(Qt::Key_Enter) << 0 << true << false;
    QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape) << 0 << true << false;
    QTest::newRow("Enter on the emblem") << "Picture2" << int(Qt::Key_Return) << 0 << true << false;
    QTest::newRow("Esc on System Info")
        << "cmdSysInfo" << int(Qt::Key_Escape) << 0 << true << false;
    QTest::newRow("Esc on the emblem") << "Picture2" << int(Qt::Key_Escape) << 0 << true << false;
    QTest::newRow("Alt+S") << "cmdOK" << int(Qt::Key_S) << int(Qt::AltModifier) << false << true;
    QTest::newRow("Enter on System Info")
        << "cmdSysInfo" << int(Qt::Key_Return) << 0 << false << true;
    QTest::newRow("plain S does nothing") << "cmdOK" << int(Qt::Key_S) << 0 << false << false;
}

void TestFrmAbout::keysCloseOrStart()
{
    QFETCH(QString, focusOn);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QFETCH(bool, startsSysInfo);

    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);
    showActive(window);
    auto *target = window.findChild<QWidget *>(focusOn);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // An access key clicks its button after a short press animation.
    QTest::qWait(300);
    QCOMPARE(!window.isVisible(), closes);
    // System Info ends in the message here, as the fake registry holds nothing.
    QCOMPARE(services.messages.size(), startsSysInfo ? 1 : 0);
    QCOMPARE(int(registry.opens.size()), startsSysInfo ? 2 : 0);
}

void TestFrmAbout::tabOrder()
{
    FakeRegistry registry;
    RecordingServices services;
    frmAbout window(services, registry);
    showActive(window);

    const QStringList expected{"cmdSysInfo", "Picture2", "cmdOK", "cmdSysInfo"};
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
}

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
