#include "fuzzpruefung.h"

#include "app/pfade.h"
#include "app/textcodec.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace FuzzPruefung {

QByteArray bytes(const unsigned char* daten, size_t groesse)
{
    return QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
}

void pruefe(bool bedingung, const char* was)
{
    if (bedingung)
        return;
    std::fprintf(stderr, "Fuzz-Pruefung verletzt: %s\n", was);
    std::abort();
}

namespace {

void alle(const float* werte, int n, const char* was)
{
    for (int i = 0; i < n; ++i)
        pruefe(std::isfinite(werte[i]), was);
}

} // namespace

void endlich(const ProjektBaum& baum)
{
    for (const WHListItem* item : baum.alle()) {
        const WHBaseData* r = item->record();
        if (const auto* raum = dynamic_cast<const RaumData*>(r)) {
            const float w[] = {raum->flaeche,      raum->raumTemperatur, raum->waermebedarfProM2,
                               raum->waermebedarf, raum->flaecheWH,      raum->flaecheFBH,
                               raum->differenz};
            alle(w, 7, "Raum");
            for (const Heizflaeche& h : raum->heizflaechen)
                pruefe(std::isfinite(h.flaeche) && std::isfinite(h.entfernung), "Heizflaeche");
        } else if (const auto* g = dynamic_cast<const GebaeudeData*>(r)) {
            const GebaeudeSummen& s = g->summen;
            const float w[] = {g->vorlauftemperatur, g->ueberWB,     s.flaeche,
                               s.differenz,          s.waermebedarf, s.flaecheFBH,
                               s.montagezeit,        s.stundensatz,  s.montageFaktor};
            alle(w, 9, "Gebaeude");
            alle(s.flaecheWH, 4, "Gebaeude");
            for (auto it = s.artikel.cbegin(); it != s.artikel.cend(); ++it)
                pruefe(std::isfinite(it.value()), "Schaetzung");
        } else if (const auto* e = dynamic_cast<const EtageData*>(r)) {
            const EtagenSummen& s = e->summen;
            const float w[] = {s.flaeche, s.differenz, s.waermebedarf, s.flaecheFBH, s.montageMinuten};
            alle(w, 5, "Etage");
            alle(s.flaecheWH, 4, "Etage");
        } else if (const auto* so = dynamic_cast<const SonstigData*>(r)) {
            const float w[] = {so->stundensatz, so->montagezeit, so->montageFaktor, so->abschlag};
            alle(w, 4, "Sonstige Kosten");
        } else if (const auto* m = dynamic_cast<const MaterialData*>(r)) {
            alle(m->mengen.constData(), static_cast<int>(m->mengen.size()), "Materialliste");
        }
    }
    const ArtikelListe& k = ArtikelListe::global();
    for (int i = 0; i < k.size(); ++i)
        pruefe(std::isfinite(k.at(i).bedarf), "Bedarf");
}

void ohneUnendlich(const QString& text, const QByteArray& eingabe)
{
    static const QRegularExpression zahl(QStringLiteral("(^|[^A-Za-z])-?(inf|nan)($|[^A-Za-z])"),
                                         QRegularExpression::CaseInsensitiveOption);
    // Letters the input brings along may stand in any text field (a name, a street, a project
    // title) and come out as they went in.
    if (zahl.match(TextCodec::decode(eingabe)).hasMatch())
        return;
    pruefe(!zahl.match(text).hasMatch(), "inf oder nan im Text");
}

void installation(bool mitKatalog)
{
    static bool fertig = false;
    if (fertig)
        return;
    fertig = true;
    Pfade::setApplDir(QStringLiteral(WH_SHARE_DIR));
    Pfade::setUserDir(QDir::tempPath() + QStringLiteral("/wh-fuzz/"));
    if (mitKatalog)
        pruefe(ArtikelListe::global().load(Pfade::artikelPath()), "Katalog fehlt");
}

} // namespace FuzzPruefung
