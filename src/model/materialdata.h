#pragma once

#include "model/whbasedata.h"

#include <QVector>

// The project's material list: a quantity in packs per catalogue position.
class MaterialData : public WHBaseData
{
public:
    MaterialData();

    // Index = the article's position in the catalogue; grown with zeros to the catalogue's
    // length before it is read by position, never shortened.
    QVector<float> mengen;

    void anpassenAnKatalog();

    QString toString() const override;
    bool fromString(const QString& line, const QString& version) override;
};
