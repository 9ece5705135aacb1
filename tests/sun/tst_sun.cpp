#include <QTest>
class TestSun : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestSun)
#include "tst_sun.moc"
