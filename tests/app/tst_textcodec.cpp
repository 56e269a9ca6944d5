#include "app/textcodec.h"
#include "app/textdatei.h"
#include "faildevice.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Every file of the program is Windows-1252, whatever the desktop's locale.
class TestTextCodec : public QObject
{
    Q_OBJECT

    static bool schreibe(const QString& pfad, const QByteArray& bytes)
    {
        QFile f(pfad);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private slots:
    void umlauteUndEuro()
    {
        const QString text = QStringLiteral("Küche € Straße m² Öl Äpfel Übung ß");
        const QByteArray bytes = TextCodec::encode(text);
        QCOMPARE(bytes, QByteArray("K\xfc"
                                   "che \x80 Stra\xdf"
                                   "e m\xb2 \xd6l \xc4pfel \xdc"
                                   "bung \xdf"));
        QCOMPARE(TextCodec::decode(bytes), text);
    }

    void alleBytesLesbar()
    {
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes.append(static_cast<char>(i));
        const QString text = TextCodec::decode(bytes);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        // Every byte at every place of an eight-byte run, amid ASCII, reads as the converter reads it.
        QStringDecoder konverter("windows-1252");
        for (int versatz = 0; versatz < 9; ++versatz) {
            const QByteArray gemischt = QByteArray(versatz, 'a') + bytes + QByteArray(versatz, 'z');
            QCOMPARE(TextCodec::decode(gemischt), konverter.decode(gemischt));
        }
    }

    // Runs the code page keeps byte for byte are copied, not converted: every character of the
    // basic plane must still come out as the converter writes it.
    void wieDerKonverter()
    {
        QString text;
        for (char16_t u = 1; u < 0xD800; ++u)
            text.append(QChar(u)).append(QLatin1Char('a'));
        QStringEncoder encoder("windows-1252");
        QCOMPARE(TextCodec::encode(text), QByteArray(encoder.encode(text)));
        // Latin-1 alone, with the characters U+0080 to U+009F that the code page puts elsewhere.
        const QString latin1 = text.left(2 * 0xFF);
        QCOMPARE(TextCodec::encode(latin1), QByteArray(encoder.encode(latin1)));
    }

    void nichtDarstellbareZeichen()
    {
        // A character the code page lacks becomes one byte, so the line structure survives.
        const QByteArray bytes = TextCodec::encode(QStringLiteral("a\u4e2d\nb"));
        QCOMPARE(bytes.size(), 4);
        QCOMPARE(bytes.at(2), '\n');
    }

    void zeilen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("leer") << "" << QStringList();
        QTest::newRow("ohne Zeilenende") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("mit Zeilenende") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("Leerzeile bleibt") << "a\n\nb\n" << QStringList{"a", "", "b"};
        QTest::newRow("letzte leere Zeile") << "a\n\n" << QStringList{"a", ""};
        QTest::newRow("CR bleibt") << "a\r\nb\r\n" << QStringList{"a\r", "b\r"};
    }
    void zeilen()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, zeilen);
        QCOMPARE(TextCodec::lines(text), zeilen);
    }

    void dateiRundreise()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("x.txt"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(TextCodec::write(f, QStringLiteral("Küche € Straße m²\n")));
        f.close();
        QCOMPARE(f.size(), qint64(18));
        QString text;
        QVERIFY(TextCodec::readFile(pfad, text));
        QCOMPARE(text, QStringLiteral("Küche € Straße m²\n"));
        QVERIFY(!TextCodec::readFile(dir.filePath(QStringLiteral("fehlt.txt")), text));
    }

    void begrenztesLesen()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("x.txt"));
        QVERIFY(schreibe(pfad, QByteArray(3 * 1024 * 1024 + 5, 'a')));
        QString text;
        bool abgeschnitten = false;
        QVERIFY(TextCodec::readFile(pfad, text, 1024 * 1024 + 3, &abgeschnitten));
        QCOMPARE(text.size(), 1024 * 1024 + 3);
        QVERIFY(abgeschnitten);
        QVERIFY(TextCodec::readFile(pfad, text, 3 * 1024 * 1024 + 5, &abgeschnitten));
        QCOMPARE(text.size(), 3 * 1024 * 1024 + 5);
        QVERIFY(!abgeschnitten);
        // An endless device is read only up to the bound.
        QVERIFY(TextCodec::readFile(QStringLiteral("/dev/zero"), text, 1000, &abgeschnitten));
        QCOMPARE(text.size(), 1000);
        QVERIFY(abgeschnitten);
        QVERIFY(!TextCodec::readFile(dir.filePath(QStringLiteral("fehlt")), text, 10));
    }

    void inStueckenWieGanz_data();
    void inStueckenWieGanz();
    void geraetBleibtGeraet();
    void schreibfehler()
    {
        FailDevice dev(3);
        QVERIFY(dev.open(QIODevice::WriteOnly));
        QVERIFY(!TextCodec::write(dev, QStringLiteral("mehr als drei Bytes")));
    }
};

// A document written in pieces reads exactly as the same text written whole, also when a piece
// ends inside a surrogate pair or with a lone surrogate.
void TestTextCodec::inStueckenWieGanz_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("schnitt");
    QTest::newRow("Umlaute") << QStringLiteral("Küche € Straße m²") << 5;
    QTest::newRow("Paar geteilt") << QStringLiteral("Bad \U0001F6C1 Dusche") << 5;
    QTest::newRow("einzelnes Surrogat am Ende") << QStringLiteral("Flur \xD83D").left(6) << 6;
}

void TestTextCodec::inStueckenWieGanz()
{
    QFETCH(QString, text);
    QFETCH(int, schnitt);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bericht.html"));
    TextDatei datei(pfad);
    datei.schreibe(QStringView(text).left(schnitt));
    datei.schreibe(QStringView(text).mid(schnitt));
    QVERIFY(datei.schliesse());
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), TextCodec::encode(text));
}

// A target that is a device or a pipe is written into, never replaced by a regular file.
void TestTextCodec::geraetBleibtGeraet()
{
    QTemporaryDir dir;
    const QByteArray pfad = QFile::encodeName(dir.filePath(QStringLiteral("rohr")));
    QCOMPARE(::mkfifo(pfad.constData(), 0600), 0);
    const int leser = ::open(pfad.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(leser >= 0);
    QVERIFY(TextCodec::writeFileAtomic(QFile::decodeName(pfad), QStringLiteral("Straße")));
    char puffer[16] = {};
    QCOMPARE(::read(leser, puffer, sizeof puffer), 6);
    QCOMPARE(QByteArray(puffer, 6), QByteArray("Stra\xdf"
                                               "e"));
    ::close(leser);
    QVERIFY(!QFileInfo(QFile::decodeName(pfad)).isFile());
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
