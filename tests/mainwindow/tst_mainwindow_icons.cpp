// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QTest>

// The pictures rendered at build time and linked in as resources.
class TestMainWindowIcons : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("indexed");
        QTest::newRow("program icon") << ":/icons/dalvane.png" << QSize(64, 64) << true;
        QTest::newRow("help icon") << ":/icons/dalvane-help.png" << QSize(64, 64) << true;
        QTest::newRow("today picture") << ":/icons/today.png" << QSize(15, 15) << false;
    }
    void pictures()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(bool, indexed);
        const QImage image(resource);
        QVERIFY2(!image.isNull(), qPrintable(resource));
        QCOMPARE(image.size(), size);
        if (indexed) {
            // 256 colours at most, one of them the see-through background.
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            QVERIFY(image.colorCount() <= 256);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
        // A drawing, not an empty or single-coloured square.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() >= 5, qPrintable(QString::number(colours.size())));
    }

    // The Help window's icon is the program icon with a few pixels changed.
    void helpVariant()
    {
        const QImage program =
            QImage(QStringLiteral(":/icons/dalvane.png")).convertToFormat(QImage::Format_ARGB32);
        const QImage help = QImage(QStringLiteral(":/icons/dalvane-help.png"))
                                .convertToFormat(QImage::Format_ARGB32);
        int changed = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                changed += program.pixel(x, y) != help.pixel(x, y);
        QVERIFY2(changed > 0 && changed < 64 * 64 / 8, qPrintable(QString::number(changed)));
    }
};

QTEST_MAIN(TestMainWindowIcons)
#include "tst_mainwindow_icons.moc"
