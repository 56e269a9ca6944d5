#pragma once

#include "reports/zeilenvorlage.h"

#include <QString>

class ArtikelListe;
class EtageData;
class GebaeudeData;
class MaterialData;
class ProjektData;
class RaumData;
class SonstigData;
class WHBaseData;

// The records' pieces of the documents: each fills the placeholders of its record in a template
// piece. printPE1 and printPE2 fill the two input forms, printAusschreibung the tender text
// (teil 0 surfaces, 1 and 2 the manifolds, 3 accessories, labour and totals), printKA the cost
// documents. A record type without a piece leaves the template as it is.
void printPE1(const ProjektData& projekt, QString& vorlage);
void printPE2(const ProjektData& projekt, QString& vorlage);
void printAusschreibung(const ProjektData& projekt, QString& vorlage, int teil);
void printKA(const ProjektData& projekt, QString& vorlage);

void printPE1(const GebaeudeData& gebaeude, QString& vorlage);
void printPE2(const GebaeudeData& gebaeude, QString& vorlage);
// Keeps the tender's running sum in the building's totals (GebaeudeSummen::laufendeCent).
void printAusschreibung(GebaeudeData& gebaeude, QString& vorlage, int teil);
void printKA(const GebaeudeData& gebaeude, QString& vorlage);

void printPE1(const EtageData& etage, QString& vorlage);
void printPE2(const EtageData& etage, QString& vorlage);

void printPE1(const RaumData& raum, QString& vorlage);
// The templates of the second input form's room piece, cut once for all rooms of a document.
struct Eingaben2Vorlagen
{
    Eingaben2Vorlagen(const QString& raum, const QString& flaechenKopf, const QString& flaechenZeile,
                      const QString& zusammenstellungsZeile);
    Zeilenvorlage raum;
    QString flaechenKopf;
    Zeilenvorlage flaeche;
    Zeilenvorlage zusammenstellung;
};
// Appends the room's piece of the second input form: the filled room template followed by the
// surface section. Adds the room's area, demand, installed wall area, rounded heat
// difference and floor heating into its floor's and building's totals.
void printPE2Raum(const RaumData& raum, const Eingaben2Vorlagen& vorlagen, QString& dokument);
// Appends the surface section: the header, one line per surface, the end of the table and, for
// the register systems, one composition line per surface and register type in use. Nothing for
// a room without surfaces.
void printPE2Flaechen(const RaumData& raum, const Eingaben2Vorlagen& vorlagen, QString& dokument);

void printPE1(const SonstigData& sonstig, QString& vorlage);
void printPE2(const SonstigData& sonstig, QString& vorlage);
// Fills the closing part of the cost documents; materialCent is the material total in cents.
void printKA(const SonstigData& sonstig, QString& vorlage, qint64 materialCent);

// The cost document's rows of one article group: a copy of the row template for every
// position with a quantity above 0 whose article belongs to the group, in catalogue order.
// Each line total (quantity × price rounded to the cent) is added to summeCent.
QString materialRows(const MaterialData& material, const QString& vorlage, int gruppe, qint64& summeCent,
                     const ArtikelListe& katalog);

// One dispatch by the record's type code onto the pieces above.
void printPE1(const WHBaseData& record, QString& vorlage);
void printPE2(const WHBaseData& record, QString& vorlage);
void printAusschreibung(WHBaseData& record, QString& vorlage, int teil);
void printKA(const WHBaseData& record, QString& vorlage);
