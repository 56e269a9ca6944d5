#pragma once

#include <QList>
#include <QString>

// The presetting table of the manifold valves, "data/ventile.txt": the valve's name, then its
// steps with the kv value each step opens to, smallest first. The maker's table replaces the
// shipped example.
class VentilTabelle
{
public:
    struct Stufe
    {
        QString name;    // as the valve is marked ("1", "2.5", "N")
        double kv = 0.0; // m³/h at 1 bar
    };

    enum Status
    {
        Geladen,
        Fehlt, // no such file in the user folder nor in the installation
        Falsch // the file breaks the format
    };

    // The user folder's "data/ventile.txt" when it exists, else the installation's.
    static QString pfad();

    // Reads the table from pfad(). fehlerText: for Fehlt the notice naming the file, for
    // Falsch "Datei ventile.txt hat ein falsches Format!".
    Status lade(QString& fehlerText);
    Status ladeDatei(const QString& datei, QString& fehlerText);
    // The file's text: Windows-1252 decoded, lines trimmed, empty lines and lines starting
    // with "#" skipped; first "Ventil<TAB>name", then "step<TAB>kv" with kv written with "."
    // above 0 and strictly ascending. False (table emptied) when the text breaks that form.
    bool lies(const QString& text);

    bool istLeer() const { return m_stufen.isEmpty(); }
    const QString& name() const { return m_name; }
    const QList<Stufe>& stufen() const { return m_stufen; }

    // The first step whose kv reaches the needed value, else the last; -1 for an empty table.
    int stufeFuer(double kvNoetig) const;

    static constexpr int maxStufen = 100;

private:
    QString m_name;
    QList<Stufe> m_stufen;
};
