#pragma once

#include "model/artikelliste.h"
#include "model/whbasedata.h"

#include <QVector>

// The project's material list: a quantity in packs per catalogue position. The catalogue's
// requirements (bedarf) are the working copy of the list shown last: showing the list loads
// them, taking it back stores them here.
class MaterialData : public WHBaseData
{
public:
    MaterialData();

    // Index = the article's position in the catalogue; grown with zeros to the catalogue's
    // length before it is read by position, never shortened.
    QVector<float> mengen;

    void anpassenAnKatalog(const ArtikelListe& katalog = ArtikelListe::global());

    // Loads the list into the catalogue's requirements, with the catalogue's unit rounding
    // (the data part of showing the material page).
    void zeigeImKatalog(ArtikelListe& katalog = ArtikelListe::global());
    // Stores the catalogue's requirements into the list (taking the page back).
    void uebernehmeAusKatalog(const ArtikelListe& katalog = ArtikelListe::global());
    // True when a requirement of the catalogue differs from the list by a hundredth or more.
    bool isChanged(const ArtikelListe& katalog = ArtikelListe::global()) const;

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
};
