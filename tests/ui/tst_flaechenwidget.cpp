#include "app/programm.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/raumdata.h"
#include "testumgebung.h"
#include "ui/combospinwgt.h"
#include "ui/flaechenmodel.h"
#include "ui/messagebox.h"
#include "ui/whflaechenwidget.h"
#include "ui/whplattendlg.h"
#include "ui/whraumkenndatenwidget.h"
#include "ui/whraumwidget.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {
Heizflaeche flaeche(double a, int register_, int kreis = 0)
{
    Heizflaeche h;
    h.flaeche = a;
    h.anzahlRegister = register_;
    h.heizkreis = kreis;
    return h;
}

bool gleichesBild(const QIcon& a, const QString& datei)
{
    return a.pixmap(16).toImage() == QIcon(datei).pixmap(16).toImage();
}
} // namespace

// A room of the execution planning on its page.
struct Raum
{
    GebaeudeData gebaeude;
    EtageData etage{&gebaeude};
    RaumData raum{&etage};
    WHRaumWidget seite;

    Raum(int system = 0, double soll = 0.0)
    {
        Programm::setStand(1);
        raum.systemIndex = system;
        raum.flaecheWH = static_cast<float>(soll);
        seite.resize(900, 700);
    }
    void zeigen()
    {
        seite.show();
        seite.showData(raum);
    }
    WHFlaechenWidget* w() { return seite.flaechen(); }
    FlaechenModel* model() { return w()->model(); }
    QString text(int z, int s) { return model()->index(z, s).data().toString(); }
    QString label(const char* name) { return w()->findChild<QLabel*>(QLatin1String(name))->text(); }
    QColor farbe(const char* name)
    {
        return w()->findChild<QLabel*>(QLatin1String(name))->palette().color(QPalette::WindowText);
    }
    QPushButton* knopf(const char* name) { return w()->findChild<QPushButton*>(QLatin1String(name)); }
};

class TestFlaechenWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestUmgebung::isolieren();
        // Window geometry goes to the temporary settings folder of this run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, TestUmgebung::userConfigDir());
        MessageBox::setNichtAnzeigen(true);
    }
    void init()
    {
        TestUmgebung::zuruecksetzen();
        MessageBox::leeren();
    }

    void koepfe()
    {
        Raum r;
        r.zeigen();
        FlaechenModel* m = r.model();
        QCOMPARE(m->columnCount(), 7);
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Anzahl\nRegister"));
        QCOMPARE(m->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Zusammenst."));
        QVERIFY(gleichesBild(m->headerData(5, Qt::Horizontal, Qt::DecorationRole).value<QIcon>(),
                             QStringLiteral(":/icons/icons/lock.png")));
        r.w()->headerClicked(5);
        QVERIFY(gleichesBild(m->headerData(5, Qt::Horizontal, Qt::DecorationRole).value<QIcon>(),
                             QStringLiteral(":/icons/icons/unlock.png")));
        r.w()->headerClicked(2);
        QVERIFY(r.model()->tabelle().heizkreisFrei());
    }

    void vorschlag()
    {
        Raum r(0, 23.4);
        r.zeigen();
        QVERIFY(r.knopf("PBVorschlag")->isVisible());
        r.knopf("PBVorschlag")->click();
        QCOMPARE(r.model()->rowCount(), 3);
        QCOMPARE(r.text(0, 0), QStringLiteral("10"));
        QCOMPARE(r.text(2, 0), QStringLiteral("3.4"));
        QCOMPARE(r.text(2, 1), QStringLiteral("2"));
        QCOMPARE(r.text(0, 5), QStringLiteral("1"));
        QCOMPARE(r.text(2, 5), QStringLiteral("3"));
        QCOMPARE(r.model()->headerData(2, Qt::Vertical).toInt(), 3);
        QCOMPARE(r.label("LSumme"), QStringLiteral("23.40"));
        QCOMPARE(r.label("LDifferenz"), QStringLiteral("0.00"));
        QCOMPARE(r.farbe("LDifferenz"), QColor(Qt::darkGreen));
    }

    void zellenUndSummen()
    {
        Raum r(0, 7.5);
        r.zeigen();
        r.knopf("PBNew")->click();
        QCOMPARE(r.model()->rowCount(), 1);
        QCOMPARE(r.text(0, 3), QStringLiteral("15"));
        FlaechenModel* m = r.model();
        QVERIFY(m->setData(m->index(0, 0), 7.4));
        QCOMPARE(r.text(0, 1), QStringLiteral("3"));
        QCOMPARE(r.label("LSumme"), QStringLiteral("7.40"));
        QCOMPARE(r.label("LDifferenz"), QStringLiteral("-0.10"));
        QCOMPARE(r.farbe("LDifferenz"), QColor(Qt::red));

        // Right-aligned cells; the direct column is a check box.
        QCOMPARE(m->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(m->flags(m->index(0, 4)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(m->flags(m->index(0, 2)) & Qt::ItemIsEditable));
        QVERIFY(m->setData(m->index(0, 4), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(m->index(0, 4).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(r.text(0, 5), QString());
        QVERIFY(!(m->flags(m->index(0, 5)) & Qt::ItemIsEditable));
    }

    void hoechstensDreissig()
    {
        Raum r;
        r.zeigen();
        for (int i = 0; i < 30; ++i)
            r.w()->NewFlaeche();
        QCOMPARE(r.model()->rowCount(), 30);
        QVERIFY(MessageBox::gezeigt().isEmpty());
        r.w()->NewFlaeche();
        QCOMPARE(r.model()->rowCount(), 30);
        QCOMPARE(MessageBox::gezeigt().size(), 1);
        QCOMPARE(MessageBox::gezeigt().at(0).art, MessageBox::Kritisch);
        QCOMPARE(MessageBox::gezeigt().at(0).titel, QStringLiteral("Fehler"));
        QCOMPARE(MessageBox::gezeigt().at(0).text,
                 QStringLiteral("Anzahl Heizflächen für das Raum (max 30 ) ist überschritten.\nNeue Fläche "
                                "einfügen ist nicht möglich!"));
    }

    void loeschenGruppiertNeu()
    {
        Raum r;
        r.raum.heizflaechen = {flaeche(4, 2, 0), flaeche(4, 2, 0), flaeche(4, 2, 1)};
        r.zeigen();
        QTableView* tabelle = r.w()->tableView();
        // Without a current cell nothing happens.
        r.knopf("PBDelete")->click();
        QCOMPARE(r.model()->rowCount(), 3);
        tabelle->setCurrentIndex(r.model()->index(0, 0));
        r.knopf("PBDelete")->click();
        QCOMPARE(r.model()->rowCount(), 2);
        QCOMPARE(r.text(1, 5), QStringLiteral("1"));
        QCOMPARE(r.label("LSumme"), QStringLiteral("8.00"));
    }

    void editoren()
    {
        Raum r;
        r.raum.heizflaechen = {flaeche(2, 1)};
        r.zeigen();
        QTableView* tabelle = r.w()->tableView();
        tabelle->edit(r.model()->index(0, 0));
        auto* editor = tabelle->findChild<combospinWgt*>();
        QVERIFY(editor);
        QCOMPARE(editor->max(), 20.0);
        QCOMPARE(editor->maxDecimals(), 3);
        QCOMPARE(editor->spinStep(), 0.05);
        QCOMPARE(editor->comboWerte(), QStringLiteral("0.5:5:0.1;6:10:0.5"));
        QVERIFY(!editor->emitOnEdit);
        QCOMPARE(editor->wert(), 2.0);
        // A value the input reports reaches the table at once.
        editor->changeWert(5);
        QCOMPARE(r.text(0, 0), QStringLiteral("5"));
        QCOMPARE(r.text(0, 1), QStringLiteral("2"));
        QCOMPARE(r.label("LSumme"), QStringLiteral("5.00"));

        r.w()->headerClicked(5);
        tabelle->edit(r.model()->index(0, 5));
        QSpinBox* kreis = nullptr;
        for (QSpinBox* s : tabelle->findChildren<QSpinBox*>())
            if (s->isVisible())
                kreis = s;
        QVERIFY(kreis);
        QCOMPARE(kreis->maximum(), 15);
        kreis->setValue(3);
        QCOMPARE(r.text(0, 5), QStringLiteral("3"));
        QCOMPARE(r.model()->tabelle().flaechen().at(0).heizkreis, 2);
    }

    void editorMitTasten_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("Return übernimmt") << int(Qt::Key_Return) << "12";
        QTest::newRow("Escape verwirft") << int(Qt::Key_Escape) << "15";
    }
    void editorMitTasten()
    {
        QFETCH(int, taste);
        QFETCH(QString, ergebnis);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QAbstractItemView")));
        Raum r;
        r.raum.heizflaechen = {flaeche(2, 1)};
        r.zeigen();
        r.seite.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r.seite));
        QTableView* tabelle = r.w()->tableView();
        tabelle->setCurrentIndex(r.model()->index(0, 3));
        tabelle->edit(r.model()->index(0, 3));
        auto* editor = tabelle->findChild<combospinWgt*>();
        QVERIFY(editor);
        auto* edit = editor->findChild<QLineEdit*>(QStringLiteral("numberEdit"));
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key(taste));
        QTRY_VERIFY(!tabelle->findChild<combospinWgt*>() ||
                    !tabelle->findChild<combospinWgt*>()->isVisible());
        QCOMPARE(r.text(0, 3), ergebnis);
    }

    void zusammenstellungsSpalte()
    {
        Raum r(1);
        r.raum.heizflaechen = {flaeche(3.75, 2), flaeche(1, 1)};
        r.raum.zusammenstellung = {2, 1, 0, 0};
        r.zeigen();
        FlaechenModel* m = r.model();
        QCOMPARE(r.text(0, 6), QStringLiteral("2-1"));
        QVERIFY(!m->index(0, 6).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(r.text(1, 6), QStringLiteral("n.v."));
        QVERIFY(m->index(1, 6).data(Qt::DecorationRole).isNull());
        QVERIFY(m->flags(m->index(1, 0)) & Qt::ItemIsEditable);
        QVERIFY(m->flags(m->index(1, 1)) & Qt::ItemIsEditable);
        QVERIFY(!r.knopf("PBVorschlag")->isVisible());
    }

    void systemwechselLeertDieFlaechen()
    {
        Raum r(0, 5);
        r.raum.heizflaechen = {flaeche(5, 2)};
        r.zeigen();
        QComboBox* system = r.seite.findChild<QComboBox*>(QStringLiteral("CBSystemWHR"));
        system->setCurrentIndex(3);
        emit system->activated(3);
        QCOMPARE(r.model()->rowCount(), 0);
        QVERIFY(!r.knopf("PBVorschlag")->isVisible());
        QVERIFY(r.seite.isChanged(r.raum));
        r.seite.getData(r.raum);
        QCOMPARE(r.raum.systemIndex, 3);
        QVERIFY(r.raum.heizflaechen.isEmpty());
        QVERIFY(!r.seite.isChanged(r.raum));
    }

    void uebernahmeNurInDerAusfuehrung()
    {
        Raum r;
        r.zeigen();
        r.w()->NewFlaeche();
        QVERIFY(r.seite.isChanged(r.raum));
        r.seite.getData(r.raum);
        QCOMPARE(r.raum.heizflaechen.size(), 1);

        Programm::setStand(0);
        r.raum.heizflaechen.clear();
        r.seite.showData(r.raum);
        QVERIFY(!r.w()->isVisible());
        QVERIFY(!r.seite.isChanged(r.raum));
        r.seite.getData(r.raum);
        QVERIFY(r.raum.heizflaechen.isEmpty());
    }

    void zielflaecheAusDerBilanz()
    {
        Raum r;
        r.raum.flaeche = 20;
        r.zeigen();
        auto* edit = r.seite.findChild<combospinWgt*>(QStringLiteral("csbGeschWB"))
                         ->findChild<QLineEdit*>(QStringLiteral("numberEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("60"));
        QCOMPARE(r.model()->tabelle().sollFlaeche(), 7.5);
        QCOMPARE(r.label("LDifferenz"), QStringLiteral("-7.50"));
    }

    void registerDialogAusSpalteSechs()
    {
        Raum r(1);
        r.raum.heizflaechen = {flaeche(0, 0)};
        r.zeigen();
        QTableView* tabelle = r.w()->tableView();
        bool gesehen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dlg = qobject_cast<WHPlattenDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            gesehen = true;
            auto* t = dlg->findChild<QTableWidget*>(QStringLiteral("tableWidget"));
            t->item(0, 1)->setText(QStringLiteral("1"));
            t->item(1, 1)->setText(QStringLiteral("1"));
            dlg->findChild<QComboBox*>(QStringLiteral("comboBoxAnzahlReg"))->setCurrentIndex(1);
            dlg->Anwenden();
        });
        const QModelIndex zelle = r.model()->index(0, 6);
        tabelle->setCurrentIndex(zelle);
        emit tabelle->clicked(zelle);
        QVERIFY(gesehen);
        QCOMPARE(r.text(0, 6), QStringLiteral("1-1"));
        QCOMPARE(r.text(0, 0), QStringLiteral("2.5"));
        QCOMPARE(r.text(0, 1), QStringLiteral("2"));
        QCOMPARE(r.label("LSumme"), QStringLiteral("2.50"));

        // Cancelled: the row stays.
        QTimer::singleShot(0, this, [&] {
            if (auto* dlg = qobject_cast<WHPlattenDlg*>(QApplication::activeModalWidget())) {
                dlg->findChild<QTableWidget*>(QStringLiteral("tableWidget"))
                    ->item(0, 1)
                    ->setText(QStringLiteral("3"));
                dlg->Abbruch();
            }
        });
        emit tabelle->clicked(zelle);
        QCOMPARE(r.text(0, 6), QStringLiteral("1-1"));
        r.seite.getData(r.raum);
        QCOMPARE(r.raum.zusammenstellung, (QList<int>{1, 1}));
        QCOMPARE(r.raum.heizflaechen.at(0).anzahlRegister, 2);
    }
};

QTEST_MAIN(TestFlaechenWidget)
#include "tst_flaechenwidget.moc"
