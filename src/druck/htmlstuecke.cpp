#include "druck/htmlstuecke.h"

namespace {

// Characters of HTML a piece of a long document holds at least.
constexpr int stueckGroesse = 6000;

// Elements that do not enclose what follows them: empty ones, and those that end where the
// next of their kind (or their container) begins.
bool umschliesstNicht(QStringView name)
{
    static const QStringList namen{QStringLiteral("br"),   QStringLiteral("hr"),   QStringLiteral("img"),
                                   QStringLiteral("meta"), QStringLiteral("link"), QStringLiteral("input"),
                                   QStringLiteral("col"),  QStringLiteral("area"), QStringLiteral("base"),
                                   QStringLiteral("wbr"),  QStringLiteral("p"),    QStringLiteral("li"),
                                   QStringLiteral("dt"),   QStringLiteral("dd"),   QStringLiteral("tr"),
                                   QStringLiteral("td"),   QStringLiteral("th"),   QStringLiteral("option")};
    return namen.contains(name, Qt::CaseInsensitive);
}

bool istAbsatz(QStringView name)
{
    return name.compare(QLatin1String("p"), Qt::CaseInsensitive) == 0 ||
           (name.size() == 2 && name.at(0).toLower() == QLatin1Char('h') && name.at(1) >= QLatin1Char('1') &&
            name.at(1) <= QLatin1Char('6'));
}

} // namespace

QStringList HtmlStuecke::teile(const QString& html)
{
    const int body = html.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    const int koerper = body < 0 ? -1 : html.indexOf(QLatin1Char('>'), body) + 1;
    const int koerperEnde = html.lastIndexOf(QLatin1String("</body"), -1, Qt::CaseInsensitive);
    if (koerper <= 0 || koerperEnde < koerper || koerperEnde - koerper < 2 * stueckGroesse)
        return {html};
    const QStringView text(html);
    const QString kopf = html.left(koerper);
    const QString schluss = html.mid(koerperEnde);
    QStringList stuecke;
    int anfang = koerper;
    int tiefe = 0;
    for (int pos = html.indexOf(QLatin1Char('<'), koerper); pos >= 0 && pos < koerperEnde;
         pos = html.indexOf(QLatin1Char('<'), pos + 1)) {
        if (text.mid(pos).startsWith(QLatin1String("<!--"))) {
            pos = html.indexOf(QLatin1String("-->"), pos);
            if (pos < 0)
                break;
            continue;
        }
        const bool schliessend = pos + 1 < koerperEnde && html.at(pos + 1) == QLatin1Char('/');
        const int name = pos + (schliessend ? 2 : 1);
        int nameEnde = name;
        while (nameEnde < koerperEnde && html.at(nameEnde).isLetterOrNumber())
            ++nameEnde;
        const int ende = html.indexOf(QLatin1Char('>'), nameEnde);
        if (ende < 0 || nameEnde == name)
            break;
        const QStringView tag = text.mid(name, nameEnde - name);
        if (!schliessend && tiefe == 0 && istAbsatz(tag) && pos - anfang >= stueckGroesse) {
            stuecke << kopf + text.mid(anfang, pos - anfang).toString() + schluss;
            anfang = pos;
        }
        if (!umschliesstNicht(tag) && html.at(ende - 1) != QLatin1Char('/'))
            tiefe += schliessend ? -1 : 1;
        if (tiefe < 0)
            break;
        pos = ende;
    }
    stuecke << kopf + text.mid(anfang, koerperEnde - anfang).toString() + schluss;
    return stuecke;
}
