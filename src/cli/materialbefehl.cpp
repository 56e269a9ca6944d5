#include "cli/materialbefehl.h"

#include "app/programm.h"
#include "app/zahl.h"
#include "cli/clikontext.h"
#include "material/kosten.h"
#include "material/materialberechnung.h"
#include "model/artikelliste.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdatei.h"
#include "reports/materialtabelle.h"

namespace {

int benutzungsfehler(CliKontext& k)
{
    return k.aufrufFehler(MaterialBefehl::benutzung());
}

// The project's material list, created as the last child of the project when it has none
// (as switching the project to "Ausführungsplanung" does).
MaterialData* materialListe(ProjektBaum& baum)
{
    if (!baum.materialListItem()) {
        WHListItem* root = baum.root();
        WHListItem* item = baum.insert(root, root->childCount(), std::make_unique<MaterialData>());
        baum.setMaterialItem(item);
    }
    return baum.material();
}

} // namespace

int MaterialBefehl::rechne(CliKontext& k, const QString& datei, ProjektBaum& baum, MaterialBedarf* bedarf)
{
    if (const int code = k.ladeMitKatalog(datei, baum))
        return code;
    ArtikelListe& katalog = ArtikelListe::global();
    MaterialData* material = materialListe(baum);
    if (!material) {
        k.err() << "Die Materialliste des Projekts fehlt." << Qt::endl;
        return 1;
    }

    // The page shows the stored list first; the run then replaces the computed articles and
    // keeps the quantities entered by hand.
    material->zeigeImKatalog(katalog);
    QString fehler;
    if (!MaterialBerechnung::berechne(baum, katalog, fehler, bedarf)) {
        k.err() << fehler << Qt::endl;
        return 1;
    }
    material->uebernehmeAusKatalog(katalog);
    return 0;
}

int MaterialBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    const bool einheiten = k.nimmSchalter(args, QStringLiteral("--units"));
    QString mwstText;
    QString ziel;
    QString xlsxZiel;
    QString csvZiel;
    bool mitMwst = false;
    bool mitZiel = false;
    bool mitXlsx = false;
    bool mitCsv = false;
    if (!k.nimmOption(args, QStringLiteral("--mwst"), mwstText, mitMwst) ||
        !k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) ||
        !k.nimmOption(args, QStringLiteral("--xlsx"), xlsxZiel, mitXlsx) ||
        !k.nimmOption(args, QStringLiteral("--csv"), csvZiel, mitCsv) || (mitXlsx && xlsxZiel.isEmpty()) ||
        (mitCsv && csvZiel.isEmpty()) || !CliKontext::nurDatei(args))
        return benutzungsfehler(k);
    if (mitMwst && !CliKontext::setzeMwst(mwstText))
        return benutzungsfehler(k);

    ProjektBaum baum;
    MaterialBedarf bedarf;
    if (const int code = rechne(k, args.first(), baum, &bedarf))
        return code;
    ArtikelListe& katalog = ArtikelListe::global();

    QTextStream& out = k.out();
    if (einheiten) {
        for (auto it = bedarf.cbegin(); it != bedarf.cend(); ++it)
            out << it.key() << '\t' << Zahl::kurz(it.value()) << '\n';
    } else {
        for (int i = 0; i < katalog.size(); ++i) {
            const Artikel& a = katalog.at(i);
            if (!(a.bedarf > 0.0f))
                continue;
            out << Zahl::artikelNummer(a.artNr) << '\t' << a.bezeichnung << '\t' << Zahl::kurz(a.bedarf)
                << '\t' << Zahl::fest(a.preis, 2) << '\t'
                << Zahl::fest(Kosten::euro(Kosten::zeilenCent(a.bedarf, a.preis)), 2) << '\n';
        }
        const Kosten summen = Kosten::materialListe(katalog, Programm::mwstSatz());
        out << "Summe\t" << Zahl::fest(summen.summe, 2) << '\n';
        out << "zzgl. Mwst\t" << Zahl::fest(summen.mwst, 2) << '\n';
        out << "Summe incl. Mwst\t" << Zahl::fest(summen.summeMwst, 2) << '\n';
    }
    out.flush();

    QList<QPair<QString, QByteArray>> tabellen;
    if (!k.tabellen(MaterialTabelle::aus(katalog, MaterialTabelle::Materialliste, Programm::mwstSatz()),
                    xlsxZiel, csvZiel, tabellen) ||
        !k.schreibeAlle(tabellen))
        return 1;
    if (mitZiel) {
        QString fehlerText;
        if (!ProjektDatei::speichern(baum, ziel, fehlerText)) {
            k.err() << CliKontext::klartext(fehlerText) << Qt::endl;
            return 1;
        }
    }
    return 0;
}
