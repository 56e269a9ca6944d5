#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/raumdata.h"
#include "ui/projektbaummodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

// The navigator's model must follow every edit of the core tree through its own signals, or
// the view shows stale rows or crashes on deleted items.
class TestProjektBaumModel : public QObject
{
    Q_OBJECT

private slots:
    void neuesProjekt()
    {
        ProjektBaum baum;
        ProjektBaumModel model(baum);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        baum.newProjekt();

        QCOMPARE(model.rowCount(), 1);
        const QModelIndex root = model.index(0, 0);
        QCOMPARE(model.data(root).toString(), QStringLiteral("Projekt"));
        QCOMPARE(model.rowCount(root), 2);
        QCOMPARE(model.data(model.index(0, 0, root)).toString(), QStringLiteral("Gebäude"));
        QCOMPARE(model.data(model.index(1, 0, root)).toString(), QStringLiteral("Sonstige Kosten"));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Projekt Navigator"));
        QCOMPARE(model.item(model.index(0, 0, root)), baum.gebaeudeItem());
        QCOMPARE(model.indexOf(baum.sonstigItem()), model.index(1, 0, root));
    }

    void einfuegenUndEntfernen()
    {
        ProjektBaum baum;
        baum.newProjekt();
        ProjektBaumModel model(baum);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy eingefuegt(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy entfernt(&model, &QAbstractItemModel::rowsRemoved);

        WHListItem* gebaeude = baum.gebaeudeItem();
        WHListItem* etage = baum.insert(gebaeude, 0, std::make_unique<EtageData>(baum.gebaeude()));
        auto* etageData = static_cast<EtageData*>(etage->record());
        baum.insert(etage, 0, std::make_unique<RaumData>(etageData));
        WHListItem* zweiter = baum.insert(etage, 1, std::make_unique<RaumData>(etageData));
        QCOMPARE(eingefuegt.count(), 3);
        QCOMPARE(eingefuegt.at(2).at(0).value<QModelIndex>(), model.indexOf(etage));
        QCOMPARE(eingefuegt.at(2).at(1).toInt(), 1);

        const QModelIndex etageIndex = model.indexOf(etage);
        QCOMPARE(model.rowCount(etageIndex), 2);
        QCOMPARE(model.parent(model.indexOf(zweiter)), etageIndex);

        baum.remove(etage);
        QCOMPARE(entfernt.count(), 1);
        QCOMPARE(model.rowCount(model.indexOf(gebaeude)), 0);

        baum.newProjekt();
        QCOMPARE(model.rowCount(model.index(0, 0)), 2);
    }

    void markiertesSymbol()
    {
        ProjektBaum baum;
        baum.newProjekt();
        ProjektBaumModel model(baum);
        WHListItem* etage = baum.insert(baum.gebaeudeItem(), 0, std::make_unique<EtageData>(baum.gebaeude()));
        const QModelIndex index = model.indexOf(etage);
        const QPixmap normal = model.data(index, Qt::DecorationRole).value<QPixmap>();
        QCOMPARE(normal.toImage(), ProjektBaumModel::pixmap(WHBaseData::TypEtage).toImage());

        baum.setClipboard(etage);
        const QPixmap markiert = model.data(index, Qt::DecorationRole).value<QPixmap>();
        QCOMPARE(markiert.toImage(), ProjektBaumModel::markedPixmap(WHBaseData::TypEtage).toImage());
        QVERIFY(markiert.toImage() != normal.toImage());
    }

    void symboleJeTyp_data()
    {
        QTest::addColumn<int>("typ");
        QTest::newRow("Projekt") << int(WHBaseData::TypProjekt);
        QTest::newRow("Gebäude") << int(WHBaseData::TypGebaeude);
        QTest::newRow("Etage") << int(WHBaseData::TypEtage);
        QTest::newRow("Raum") << int(WHBaseData::TypRaum);
        QTest::newRow("Sonstige Kosten") << int(WHBaseData::TypSonstig);
        QTest::newRow("Materialbedarf") << int(WHBaseData::TypMaterial);
    }

    void symboleJeTyp()
    {
        QFETCH(int, typ);
        const QPixmap normal = ProjektBaumModel::pixmap(typ);
        const QPixmap markiert = ProjektBaumModel::markedPixmap(typ);
        QCOMPARE(normal.size(), QSize(16, 16));
        QCOMPARE(markiert.size(), QSize(16, 16));
        QVERIFY(normal.toImage() != markiert.toImage());
        for (int anderer : {0, 1, 2, 3, 4, 7}) {
            if (anderer != typ)
                QVERIFY(normal.toImage() != ProjektBaumModel::pixmap(anderer).toImage());
        }
    }

    void sichtbarkeitWirdGemeldet()
    {
        ProjektBaum baum;
        baum.newProjekt();
        ProjektBaumModel model(baum);
        QSignalSpy spy(&model, &ProjektBaumModel::sichtbarkeitGeaendert);
        baum.setHidden(baum.sonstigItem(), true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QModelIndex>(), model.indexOf(baum.sonstigItem()));
        QCOMPARE(spy.at(0).at(1).toBool(), true);
    }
};

QTEST_MAIN(TestProjektBaumModel)
#include "tst_projektbaummodel.moc"
