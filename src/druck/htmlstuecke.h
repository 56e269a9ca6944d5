#pragma once

#include <QString>
#include <QStringList>

// A long HTML document in pieces that each lay out as their part of the whole does: cut before
// paragraphs that lie outside every table, list or other enclosing element, each piece a
// document of its own with the head and body attributes of the whole. Printing lays the pieces
// out one after the other; the preview shows the first while it reads the whole.
class HtmlStuecke
{
public:
    // The pieces in order; a short document, or one whose elements do not nest properly, stays
    // whole from there on.
    static QStringList teile(const QString& html);
};
