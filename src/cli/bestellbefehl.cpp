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

#include <QSaveFile>
#include <memory>
#include <vector>

namespace {

int benutzungsfehler(CliKontext& k)
{
    return k.aufrufFehler(BestellBefehl::benutzung());
}

// Writes every file or none: each text goes to a temporary file beside its target first, and
// the targets are replaced only when all of them have been written in full.
bool schreibeAlle(CliKontext& k, const QList<QPair<QString, QString>>& dateien)
{
    std::vector<std::unique_ptr<QSaveFile>> offen;
    for (const auto& [pfad, text] : dateien) {
        auto datei = std::make_unique<QSaveFile>(pfad);
        if (!datei->open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !TextCodec::write(*datei, text)) {
            k.err() << "Datei " << pfad << " konnte nicht geöffnet werden!" << Qt::endl;
            return false;
        }
        offen.push_back(std::move(datei));
    }
    for (std::size_t i = 0; i < offen.size(); ++i) {
        if (!offen[i]->commit()) {
            k.err() << "Datei " << dateien.at(static_cast<int>(i)).first << " konnte nicht geöffnet werden!"
                    << Qt::endl;
            return false;
        }
    }
    return true;
}

} // namespace

int BestellBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString ziel;
    QString fax;
    QString mwstText;
    Bestellfax::Angaben angaben;
    angaben.lieferart = Bestellfax::lieferarten().first();
    bool mitZiel = false;
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
        !k.nimmOption(args, QStringLiteral("--mwst"), mwstText, mitMwst) || !mitZiel || ziel.isEmpty() ||
        (mitFax && fax.isEmpty()) || !CliKontext::nurDatei(args))
        return benutzungsfehler(k);
    if (mitMwst && !CliKontext::setzeMwst(mwstText))
        return benutzungsfehler(k);

    ProjektBaum baum;
    if (const int code = MaterialBefehl::rechne(k, args.first(), baum))
        return code;
    ArtikelListe& katalog = ArtikelListe::global();
    katalog.rundeBestellMengen();

    QList<QPair<QString, QString>> dateien{{ziel, Bestellung::exportText(katalog)}};
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
        dateien.append({fax, html});
    }
    return schreibeAlle(k, dateien) ? 0 : 1;
}
