#include "app/zahl.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>

// The program's two number forms and the locale-free reading of numbers.
class TestZahl : public QObject
{
    Q_OBJECT

private slots:
    void kurz_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("ganz") << 45.0 << "45";
        QTest::newRow("halb") << 0.5 << "0.5";
        QTest::newRow("sechs Stellen") << 1.0 / 3.0 << "0.333333";
        QTest::newRow("float 0.1") << double(0.1f) << "0.1";
        QTest::newRow("float 7.4") << double(7.4f) << "7.4";
        QTest::newRow("groß") << 1234567.0 << "1.23457e+06";
        QTest::newRow("negativ") << -100.5 << "-100.5";
        QTest::newRow("klein") << 0.0001 << "0.0001";
        QTest::newRow("negative Null") << -0.0 << "0";
    }
    void kurz()
    {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(Zahl::kurz(x), text);
    }

    // The short and the fixed form are taken on a fast path for most values; they must write
    // what Qt writes, including ties that Qt rounds away from zero, values read from single
    // precision, and the edges of the fixed-point range.
    void kurzWieQt_data()
    {
        QTest::addColumn<double>("von");
        QTest::addColumn<double>("bis");
        QTest::addColumn<bool>("einfach");
        QTest::newRow("Flächen") << 0.0 << 1000.0 << true;
        QTest::newRow("klein") << -0.002 << 0.002 << false;
        QTest::newRow("groß") << 9e5 << 1.1e6 << false;
        QTest::newRow("Sechzehntel") << -1000.0 << 1000.0 << false;
    }
    void kurzWieQt()
    {
        QFETCH(double, von);
        QFETCH(double, bis);
        QFETCH(bool, einfach);
        std::mt19937_64 zufall(7);
        std::uniform_real_distribution<double> verteilung(von, bis);
        for (int i = 0; i < 200000; ++i) {
            double x = verteilung(zufall);
            x = einfach ? double(float(x)) : (i % 2 ? std::round(x * 16) / 16 : x);
            QCOMPARE(Zahl::kurz(x), QString::number(x, 'g', -1));
            char zeichen[24];
            QCOMPARE(QString::fromLatin1(zeichen, Zahl::kurzNach(zeichen, x)), Zahl::kurz(x));
            const int stellen = i % 4;
            if (std::fabs(x) >= std::pow(10.0, -stellen)) // no "-0.00" that the fixed form drops
                QCOMPARE(Zahl::fest(x, stellen), QString::number(x, 'f', stellen));
            if (const int n = Zahl::festNach(zeichen, x, stellen))
                QCOMPARE(QString::fromLatin1(zeichen, n), Zahl::fest(x, stellen));
        }
    }

    // What a field shows: no float noise, no exponent, at most the field's decimals.
    void anzeige_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("Rundungsrest einer Leistung") << 6.59998 << 2 << "6.6";
        QTest::newRow("float 7.4") << double(7.4f) << 2 << "7.4";
        QTest::newRow("ganze Zahl") << 1215.0 << 2 << "1215";
        QTest::newRow("Million ohne Exponent") << 1e6 << 2 << "1000000";
        QTest::newRow("sehr groß ohne Exponent") << 6e12 << 2 << "6000000000000";
        QTest::newRow("sechs Stellen") << 1.0 / 3.0 << 10 << "0.333333";
        QTest::newRow("auf die Stellen des Feldes") << 214.2857 << 2 << "214.29";
        QTest::newRow("eine Stelle") << 45.25 << 1 << "45.3";
        QTest::newRow("keine Stelle") << 99.5 << 0 << "100";
        QTest::newRow("kleine Differenz ist Null") << -0.004 << 2 << "0";
        QTest::newRow("negative Differenz") << -0.006 << 2 << "-0.01";
        QTest::newRow("sehr klein ohne Exponent") << 0.0000123 << 10 << "0.0000123";
        QTest::newRow("Null") << 0.0 << 2 << "0";
    }
    void anzeige()
    {
        QFETCH(double, x);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(Zahl::anzeige(x, decimals), text);
    }

    void fest()
    {
        QCOMPARE(Zahl::fest(20.0, 1), QStringLiteral("20.0"));
        QCOMPARE(Zahl::fest(1234.5, 2), QStringLiteral("1234.50"));
        QCOMPARE(Zahl::fest(0.19 * 100, 0), QStringLiteral("19"));
        // A value that rounds to zero shows no minus sign; one that does not keeps it.
        QCOMPARE(Zahl::fest(-0.004, 2), QStringLiteral("0.00"));
        QCOMPARE(Zahl::fest(-1.9e-7, 2), QStringLiteral("0.00"));
        QCOMPARE(Zahl::fest(-0.006, 2), QStringLiteral("-0.01"));
        QCOMPARE(Zahl::fest(-50.0, 2), QStringLiteral("-50.00"));
    }

    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("Punkt") << "2.5" << 2.5;
        QTest::newRow("Leerzeichen") << " 2.5 " << 2.5;
        QTest::newRow("Komma ist keine Zahl") << "2,5" << 0.0;
        QTest::newRow("leer") << "" << 0.0;
        QTest::newRow("Text") << "abc" << 0.0;
        QTest::newRow("nan") << "nan" << 0.0;
        QTest::newRow("inf") << "inf" << 0.0;
        QTest::newRow("zu groß") << "1e400" << 0.0;
        QTest::newRow("Exponent") << "1.5e3" << 1500.0;
        QTest::newRow("Tausender") << "1,000" << 0.0;
        QTest::newRow("negativ mit Nullen") << "-007.50" << -7.5;
        QTest::newRow("Minus in der Mitte") << "1-2" << 0.0;
        QTest::newRow("zwei Punkte") << "1.2.3" << 0.0;
        QTest::newRow("mehr Stellen als ein double") << "0.30000000000000000001" << 0.3;
    }
    void lesen()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(Zahl::toDouble(text), wert);
        QCOMPARE(Zahl::toFloat(text), static_cast<float>(wert));
    }

    // Plain numbers of up to 15 digits are read on a fast path: bit for bit what Qt reads,
    // whatever the digits and wherever the point stands.
    void lesenWieQt()
    {
        std::mt19937_64 zufall(11);
        for (int i = 0; i < 300000; ++i) {
            const int ziffern = 1 + int(zufall() % 17);
            QString text = zufall() % 4 == 0 ? QStringLiteral("-") : QString();
            for (int z = 0; z < ziffern; ++z)
                text += QLatin1Char(char('0' + zufall() % 10));
            if (ziffern > 1 && zufall() % 5 != 0)
                text.insert(text.size() - 1 - int(zufall() % (ziffern - 1)), QLatin1Char('.'));
            const double qt = text.toDouble();
            const double wert = Zahl::toDouble(text);
            QVERIFY2(wert == qt && std::signbit(wert) == std::signbit(qt), qPrintable(text));
        }
    }

    void floatBereich()
    {
        // A value a double holds but a float does not reads as 0, not as infinity.
        QCOMPARE(Zahl::toFloat(QStringLiteral("1e39")), 0.0f);
        QVERIFY(std::isfinite(Zahl::toFloat(QStringLiteral("-3.4e38"))));
    }

    void ganzzahlen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wert");
        QTest::newRow("Zahl") << "150010" << 150010;
        QTest::newRow("negativ") << "-3" << -3;
        QTest::newRow("mit Leerzeichen") << " 7 " << 7;
        QTest::newRow("Dezimal") << "1.0" << 0;
        QTest::newRow("Rest") << "12abc" << 0;
        QTest::newRow("zu groß") << "99999999999" << 0;
        QTest::newRow("führende Nullen") << "-007" << -7;
        QTest::newRow("nur Minus") << "-" << 0;
    }
    void ganzzahlen()
    {
        QFETCH(QString, text);
        QFETCH(int, wert);
        QCOMPARE(Zahl::toInt(text), wert);
    }

    void ganz_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::newRow("abgeschnitten") << 2.9 << 2;
        QTest::newRow("negativ zur Null") << -2.7 << -2;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("unendlich") << std::numeric_limits<double>::infinity()
                                   << std::numeric_limits<int>::max();
        QTest::newRow("sehr groß") << 1e20 << std::numeric_limits<int>::max();
        QTest::newRow("sehr klein") << -1e20 << std::numeric_limits<int>::min();
    }
    void ganz()
    {
        QFETCH(double, x);
        QFETCH(int, n);
        QCOMPARE(Zahl::ganz(x), n);
    }

    void artikelNummer()
    {
        QCOMPARE(Zahl::artikelNummer(12345), QStringLiteral("012345"));
        QCOMPARE(Zahl::artikelNummer(150010), QStringLiteral("150010"));
        QCOMPARE(Zahl::artikelNummer(7), QStringLiteral("07"));
    }
};

QTEST_GUILESS_MAIN(TestZahl)
#include "tst_zahl.moc"
