#pragma once

#include <QString>
#include <QStringList>

// One node of a project: project, building, floor, room, other costs or material list.
// The navigator item that holds a record owns it; records only point upwards to their parent.
class WHBaseData
{
public:
    // The type code is also the page id and the line code of the record's file line;
    // 5 and 6 are the surface and composition lines of a room.
    enum Typ
    {
        TypProjekt = 0,
        TypGebaeude = 1,
        TypEtage = 2,
        TypRaum = 3,
        TypSonstig = 4,
        TypFlaechen = 5,
        TypZusammenstellung = 6,
        TypMaterial = 7,
        TypBasis = 8
    };

    WHBaseData() = default;
    virtual ~WHBaseData() = default;
    WHBaseData(const WHBaseData&) = default;
    WHBaseData& operator=(const WHBaseData&) = default;

    QString name;
    int type = TypBasis;

    virtual int anzahl() const { return 0; }
    virtual void setAnzahl(int) {}
    virtual int system() const { return -1; }
    virtual void setSystem(int) {}

    virtual QString toString() const { return QString(); }
    virtual bool fromString(const QString&, const QString&) { return true; }
    virtual bool fromStringWB(const QString&) { return true; }
    virtual bool hasData() const { return false; }
    // False when the mean flow temperature is above 50 °C while the system chosen on the
    // record's page is one of the dry systems (index above 1).
    virtual bool checkData(int seitenSystem, float vorlauftemperatur) const;

    // A text typed into a name or text field, cleaned of the file's field separators and of
    // line breaks, so that it can never split or corrupt a project file line.
    static QString bereinigt(const QString& text);

protected:
    // Fields of a file line (separated by the byte 0x01).
    static QStringList felder(const QString& line);
    // The same fields as views into the line, for lines with hundreds of them.
    static QList<QStringView> felderAnsicht(QStringView line);
    // How many fields the line holds, without splitting it.
    static qsizetype anzahlFelder(QStringView line);
    // A file line: the record's depth as tabs, the fields joined by 0x01, then "\n".
    static QString zeile(int tiefe, const QStringList& felder);
    static QString zahl(double x);
};
