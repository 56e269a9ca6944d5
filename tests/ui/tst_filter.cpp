#include "testumgebung.h"
#include "ui/layoutsaver.h"
#include "ui/mouseeventfilter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {
// A page that counts the presses it receives itself.
class Seite : public QWidget
{
public:
    int druecke = 0;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        ++druecke;
        QWidget::mousePressEvent(e);
    }
};

bool sende(QObject* ziel, QEvent::Type typ, int globalX)
{
    QMouseEvent e(typ, QPointF(10, 10), QPointF(globalX, 100), Qt::LeftButton,
                  typ == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &e);
    return e.isAccepted();
}
} // namespace

class TestFilter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        // Window geometry goes to the temporary settings folder of this run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, TestUmgebung::userConfigDir());
    }

    void wischen_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("rechts");
        QTest::addColumn<int>("links");
        QTest::newRow("3 nach rechts") << 3 << 0 << 0;
        QTest::newRow("4 nach rechts") << 4 << 1 << 0;
        QTest::newRow("3 nach links") << -3 << 0 << 0;
        QTest::newRow("4 nach links") << -4 << 0 << 1;
        QTest::newRow("Klick") << 0 << 0 << 0;
    }
    void wischen()
    {
        QFETCH(int, dx);
        QFETCH(int, rechts);
        QFETCH(int, links);
        Seite seite;
        mouseEventFilter filter;
        seite.installEventFilter(&filter);
        QSignalSpy spyRechts(&filter, &mouseEventFilter::toRight);
        QSignalSpy spyLinks(&filter, &mouseEventFilter::toLeft);
        sende(&seite, QEvent::MouseButtonPress, 200);
        sende(&seite, QEvent::MouseButtonRelease, 200 + dx);
        QCOMPARE(spyRechts.size(), rechts);
        QCOMPARE(spyLinks.size(), links);
        // The press never reaches the page itself.
        QCOMPARE(seite.druecke, 0);
    }

    void loslassenAnderswo()
    {
        Seite a;
        Seite b;
        mouseEventFilter filter;
        a.installEventFilter(&filter);
        b.installEventFilter(&filter);
        QSignalSpy spyRechts(&filter, &mouseEventFilter::toRight);
        sende(&a, QEvent::MouseButtonPress, 100);
        sende(&b, QEvent::MouseButtonRelease, 300);
        QCOMPARE(spyRechts.size(), 0);
        // The press is forgotten: a later release on the first page changes nothing either.
        sende(&a, QEvent::MouseButtonRelease, 300);
        QCOMPARE(spyRechts.size(), 0);
    }

    void geometrieWirdGemerkt()
    {
        const QString schluessel = QStringLiteral("Testfenster/geometry");
        {
            QSettings s(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
            QVERIFY(!s.contains(schluessel));
        }
        {
            QWidget w;
            w.setObjectName(QStringLiteral("Testfenster"));
            w.installEventFilter(new layoutSaver(&w));
            w.resize(200, 150);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.resize(333, 222);
            w.hide();
        }
        {
            QSettings s(QSettings::UserScope, QStringLiteral("Belvoro"), QStringLiteral("wh"));
            QVERIFY(s.contains(schluessel));
        }
        QWidget w;
        w.setObjectName(QStringLiteral("Testfenster"));
        w.installEventFilter(new layoutSaver(&w));
        w.resize(100, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(333, 222));

        // Another window keeps its own default size.
        QWidget anderes;
        anderes.setObjectName(QStringLiteral("Anderes"));
        anderes.installEventFilter(new layoutSaver(&anderes));
        anderes.resize(120, 80);
        anderes.show();
        QCOMPARE(anderes.size(), QSize(120, 80));
    }
};

QTEST_MAIN(TestFilter)
#include "tst_filter.moc"
