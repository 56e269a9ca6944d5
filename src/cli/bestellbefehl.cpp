#include "cli/bestellbefehl.h"

#include "app/pfade.h"
#include "app/programm.h"
#include "app/textcodec.h"
#include "app/zahl.h"
#include "cli/clikontext.h"
#include "cli/materialbefehl.h"
#include "material/bestellung.h"
#include "material/kosten.h"
#include "model/anwenderdaten.h"
#include "model/artikelliste.h"
#include "model/projektbaum.h"
#include "reports/bestellfax.h"
#include "reports/materialtabelle.h"

namespace {

int benutzungsfehler(CliKontext& k)
{
    return k.aufrufFehler(BestellBefehl::benutzung());
}

} // namespace

int BestellBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString ziel;
    QString xlsxZiel;
    QString csvZiel;
    QString fax;
    QString mwstText;
    Bestellfax::Angaben angaben;
    angaben.lieferart = Bestellfax::lieferarten().first();
    bool mitZiel = false;
    bool mitXlsx = false;
    bool mitCsv = false;
    bool mitFax = false;
    bool mitMwst = false;
    bool mitKundenNr = false;
    bool mitLieferart = false;
    bool mitBemerkung = false;
    if (!k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) ||
        !k.nimmOption(args, QStringLiteral("--fax"), fax, mitFax) ||
        !k.nimmOption(args, QStringLiteral("--kunden-nr"), angaben.kundenNr, mitKundenNr) ||
        !k.nimmOption(args, QStringLiteral("--lieferart"), angaben.lieferart, mitLieferart) ||
        !k.nimmOption(args, QStringLiteral("--bemerkung"), angaben.bemerkung, mitBemerkung) ||
        !k.nimmOption(args, QStringLiteral("--mwst"), mwstText, mitMwst) ||
        !k.nimmOption(args, QStringLiteral("--xlsx"), xlsxZiel, mitXlsx) ||
        !k.nimmOption(args, QStringLiteral("--csv"), csvZiel, mitCsv) ||
        !(mitZiel || mitXlsx || mitCsv || mitFax) || (mitZiel && ziel.isEmpty()) ||
        (mitXlsx && xlsxZiel.isEmpty()) || (mitCsv && csvZiel.isEmpty()) || (mitFax && fax.isEmpty()) ||
        !CliKontext::nurDatei(args))
        return benutzungsfehler(k);
    if (mitMwst && !CliKontext::setzeMwst(mwstText))
        return benutzungsfehler(k);

    ProjektBaum baum;
    if (const int code = MaterialBefehl::rechne(k, args.first(), baum))
        return code;
    ArtikelListe& katalog = ArtikelListe::global();
    katalog.rundeBestellMengen();

    QList<QPair<QString, QByteArray>> dateien;
    if (mitZiel)
        dateien.append({ziel, TextCodec::encode(Bestellung::exportText(katalog))});
    if (!k.tabellen(MaterialTabelle::aus(katalog, MaterialTabelle::Bestellung, Programm::mwstSatz()),
                    xlsxZiel, csvZiel, dateien))
        return 1;
    if (mitFax) {
        AnwenderDaten anwender;
        anwender.load(Pfade::anwenderPath());
        angaben.absender = Bestellfax::absender(anwender);
        if (!mitKundenNr)
            angaben.kundenNr = anwender.kundenNr;
        // A line break of the remark is written "\n" on the command line.
        angaben.bemerkung.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        angaben.gesamtWert = Zahl::fest(Kosten::bestellung(katalog, Programm::mwstSatz()).summeMwst, 2);

        QString positionen;
        QString html;
        QString fehler;
        if (!Bestellfax::positionen(katalog, positionen, fehler) ||
            !Bestellfax::dokument(angaben, positionen, html, fehler)) {
            k.err() << fehler << Qt::endl;
            return 1;
        }
        dateien.append({fax, TextCodec::encode(html)});
    }
    return k.schreibeAlle(dateien) ? 0 : 1;
}
