#include "reports/berichte.h"

#include "app/pfade.h"
#include "app/textcodec.h"
#include "design/schaetzung.h"
#include "model/artikelliste.h"
#include "model/etagedata.h"
#include "model/gebaeudedata.h"
#include "model/materialdata.h"
#include "model/projektbaum.h"
#include "model/projektdata.h"
#include "model/raumdata.h"
#include "model/sonstigdata.h"
#include "reports/abgleichbericht.h"
#include "reports/recorddruck.h"
#include "reports/vorlage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString tabellenEnde = QStringLiteral("\n</table>\n");
const QString raumUeberschrift = QStringLiteral("<p><b>Raumkenndaten</b></p>");

// Hands what the document holds so far to the caller once it is long enough, and goes on in the
// same memory.
void weiterreichen(QString& html, const Berichte::Abschnitte& abschnitte)
{
    constexpr qsizetype abschnittsLaenge = 64 * 1024;
    if (abschnitte && html.size() >= abschnittsLaenge) {
        abschnitte(html);
        html.resize(0);
    }
}

// The group whose lines are preceded by the remark template.
constexpr int anmerkungsGruppe = 9;

QString gefuellt(QString vorlage, const WHBaseData* record, void (*fuelle)(const WHBaseData&, QString&))
{
    if (record)
        fuelle(*record, vorlage);
    return vorlage;
}

QString ausschreibung(QString vorlage, WHBaseData* record, int teil)
{
    if (record)
        printAusschreibung(*record, vorlage, teil);
    return vorlage;
}

} // namespace

BerichtErgebnis Berichte::printEingaben1(ProjektBaum& baum)
{
    return erstelle(Eingaben1, baum);
}

BerichtErgebnis Berichte::printEingaben2(ProjektBaum& baum)
{
    return erstelle(Eingaben2, baum);
}

BerichtErgebnis Berichte::printKostenvoranschlag(ProjektBaum& baum)
{
    return erstelle(Kostenvoranschlag, baum);
}

BerichtErgebnis Berichte::printKostenangebot(ProjektBaum& baum)
{
    return erstelle(Kostenangebot, baum);
}

BerichtErgebnis Berichte::erstelle(Art art, ProjektBaum& baum, const Abschnitte& abschnitte)
{
    vorbereiten(art, baum);
    return zusammenstellen(art, baum, abschnitte);
}

void Berichte::vorbereiten(Art art, ProjektBaum& baum)
{
    // The first input form and the tender text print the circuits, manifolds and floor
    // totals of the estimate (which also proposes the installation time).
    if (art == Eingaben1 || art == Kostenvoranschlag)
        Schaetzung::berechne(baum);
}

BerichtErgebnis Berichte::zusammenstellen(Art art, ProjektBaum& baum, const Abschnitte& abschnitte)
{
    switch (art) {
    case Eingaben1:
        return eingaben1(baum, abschnitte);
    case Eingaben2:
        return eingaben2(baum, abschnitte);
    case Kostenvoranschlag:
        return kostenvoranschlag(baum);
    case Kostenangebot:
        return kostenangebot(baum);
    case HydraulischerAbgleich:
        return AbgleichBericht::erstelle(baum);
    }
    return BerichtErgebnis();
}

BerichtErgebnis Berichte::eingaben1(ProjektBaum& baum, const Abschnitte& abschnitte)
{
    BerichtErgebnis r;
    r.orientierung = BerichtErgebnis::quer;
    r.schriftGroesse = 8;

    enum
    {
        Projekt,
        Gebaeude,
        Etage,
        EtageTotal,
        EtageKopf,
        Raum,
        Sonstig,
        ProjektTotal
    };
    QStringList v;
    if (!Vorlage::ladeAlle({QStringLiteral("projekt"), QStringLiteral("gebaeude"), QStringLiteral("etage"),
                            QStringLiteral("etagetotal"), QStringLiteral("etagekopf"), QStringLiteral("raum"),
                            QStringLiteral("sonstig"), QStringLiteral("pe1projekttotal")},
                           v, r.fehlerText))
        return r;

    const QList<WHListItem*> etagen = baum.etagen();
    QString html = gefuellt(v[Projekt], baum.projekt(), &printPE1);
    html += gefuellt(v[Gebaeude], baum.gebaeude(), &printPE1);
    for (WHListItem* etage : etagen)
        html += gefuellt(v[Etage], etage->record(), &printPE1);
    html += tabellenEnde + raumUeberschrift;

    for (WHListItem* etage : etagen) {
        QString kopf = v[EtageKopf];
        Vorlage::ersetzeText(kopf, QStringLiteral("%EtageBezeichnung%"), etage->record()->name);
        html += kopf;
        for (WHListItem* raum : baum.raeume(etage))
            html += gefuellt(v[Raum], raum->record(), &printPE1);
        html += gefuellt(v[EtageTotal], etage->record(), &printPE1);
        html += tabellenEnde;
        weiterreichen(html, abschnitte);
    }

    html += gefuellt(v[ProjektTotal], baum.gebaeude(), &printPE1);
    html += gefuellt(v[Sonstig], baum.sonstig(), &printPE1);

    r.ok = true;
    r.html = html;
    return r;
}

BerichtErgebnis Berichte::eingaben2(ProjektBaum& baum, const Abschnitte& abschnitte)
{
    BerichtErgebnis r;
    r.orientierung = BerichtErgebnis::druckerStandard;
    r.schriftGroesse = 8;

    enum
    {
        Projekt,
        Gebaeude,
        Etage,
        Raum,
        Flaeche1Kopf, // read with the others, not printed
        Flaeche1,     // read with the others, not printed
        Flaeche2Kopf,
        Flaeche2,
        Platte,
        Sonstig,
        ProjektTotal
    };
    QStringList v;
    if (!Vorlage::ladeAlle(
            {QStringLiteral("pe2projekt"), QStringLiteral("pe2gebaeude"), QStringLiteral("pe2etage"),
             QStringLiteral("pe2raum"), QStringLiteral("pe2flaeche1kopf"), QStringLiteral("pe2flaeche1"),
             QStringLiteral("pe2flaeche2kopf"), QStringLiteral("pe2flaeche2"), QStringLiteral("pe2wpiplatte"),
             QStringLiteral("pe2sonstig"), QStringLiteral("pe2projekttotal")},
            v, r.fehlerText))
        return r;

    GebaeudeData* gebaeude = baum.gebaeude();
    const QList<WHListItem*> etagen = baum.etagen();
    QString html = gefuellt(v[Projekt], baum.projekt(), &printPE2);
    html += gefuellt(v[Gebaeude], gebaeude, &printPE2);

    // The totals of this form are those of the installed surfaces: the room pieces add them
    // up as they are written.
    if (gebaeude)
        gebaeude->summen.reset();
    for (WHListItem* etage : etagen)
        html += gefuellt(v[Etage], etage->record(), &printPE2);
    html += tabellenEnde + raumUeberschrift;

    const Eingaben2Vorlagen raumVorlagen(v[Raum], v[Flaeche2Kopf], v[Flaeche2], v[Platte]);
    for (WHListItem* etage : etagen) {
        static_cast<EtageData*>(etage->record())->summen.reset();
        for (WHListItem* item : baum.raeume(etage)) {
            printPE2Raum(*static_cast<RaumData*>(item->record()), raumVorlagen, html);
            weiterreichen(html, abschnitte);
        }
    }

    html += gefuellt(v[ProjektTotal], gebaeude, &printPE2);
    html += gefuellt(v[Sonstig], baum.sonstig(), &printPE2);

    r.ok = true;
    r.html = html;
    return r;
}

BerichtErgebnis Berichte::kostenvoranschlag(ProjektBaum& baum)
{
    BerichtErgebnis r;
    r.orientierung = BerichtErgebnis::druckerStandard;

    enum
    {
        Text,
        Text1,
        Text2,
        Hkv,
        HkvUvs
    };
    QStringList v;
    if (!Vorlage::ladeAlle({QStringLiteral("ausschreibungstext"), QStringLiteral("ausschreibungstext1"),
                            QStringLiteral("ausschreibungstext2"), QStringLiteral("hkv"),
                            QStringLiteral("hkvuvs")},
                           v, r.fehlerText))
        return r;

    GebaeudeData* gebaeude = baum.gebaeude();
    // The first section starts the running sum of the line prices; the later ones add to it
    // and the last one prints the totals.
    QString html = ausschreibung(ausschreibung(v[Text], baum.projekt(), 0), gebaeude, 0);
    html += ausschreibung(v[Hkv], gebaeude, 1);
    html += v[Text1];
    html += ausschreibung(v[HkvUvs], gebaeude, 2);
    html += ausschreibung(v[Text2], gebaeude, 3);

    r.ok = true;
    r.html = html;
    return r;
}

BerichtErgebnis Berichte::kostenangebot(ProjektBaum& baum)
{
    BerichtErgebnis r;
    r.orientierung = BerichtErgebnis::druckerStandard;

    enum
    {
        Kopf,
        Gruppe,
        Artikel,
        Zusammenfassung,
        Anmerkung
    };
    QStringList v;
    if (!Vorlage::ladeAlle({QStringLiteral("kaheader"), QStringLiteral("kagruppe"),
                            QStringLiteral("kaartikel"), QStringLiteral("kazus"),
                            QStringLiteral("kaanmerkung")},
                           v, r.fehlerText))
        return r;

    QString html = gefuellt(gefuellt(v[Kopf], baum.projekt(), &printKA), baum.gebaeude(), &printKA);

    qint64 materialCent = 0;
    if (MaterialData* material = baum.material()) {
        const ArtikelListe& katalog = ArtikelListe::global();
        material->anpassenAnKatalog(katalog);
        for (int g = 1; g < katalog.gruppenAnzahl(); ++g) {
            qint64 gruppenCent = 0;
            const QString zeilen = materialRows(*material, v[Artikel], g, gruppenCent, katalog);
            // A group whose lines add up to nothing is left out, lines and all.
            if (gruppenCent <= 0)
                continue;
            QString kopf = v[Gruppe];
            Vorlage::ersetzeText(kopf, QStringLiteral("%GruppeBezeichnung%"), katalog.gruppenNamen().at(g));
            html += kopf;
            if (g == anmerkungsGruppe)
                html += v[Anmerkung];
            html += zeilen;
            materialCent += gruppenCent;
        }
    }

    QString zus = v[Zusammenfassung];
    if (SonstigData* sonstig = baum.sonstig())
        printKA(*sonstig, zus, materialCent);
    html += zus;

    r.ok = true;
    r.html = html;
    return r;
}

QString Berichte::ausgabePfad()
{
    return Pfade::ausgabeDir() + QStringLiteral("ausdruck.html");
}

bool Berichte::schreibeAusgabe(const QString& html, const QString& pfad, QString& fehlerText)
{
    QFile file(pfad);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !TextCodec::write(file, html) ||
        !file.flush()) {
        fehlerText = Vorlage::oeffnenFehler(QFileInfo(pfad).fileName());
        return false;
    }
    return true;
}

BerichtErgebnis Berichte::ausgeben(Art art, ProjektBaum& baum)
{
    vorbereiten(art, baum);

    const QString pfad = ausgabePfad();
    QDir().mkpath(Pfade::ausgabeDir());
    QFile file(pfad);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        BerichtErgebnis r;
        r.fehlerText = Vorlage::oeffnenFehler(QFileInfo(pfad).fileName());
        return r;
    }

    BerichtErgebnis r = zusammenstellen(art, baum, {});
    if (!r.ok)
        return r;
    if (!TextCodec::write(file, r.html) || !file.flush()) {
        file.close();
        file.resize(0);
        r.ok = false;
        r.html.clear();
        r.fehlerText = Vorlage::oeffnenFehler(QFileInfo(pfad).fileName());
        return r;
    }

    // The documents place their spacing image beside themselves; the preview resolves it in
    // the output folder.
    const QString bild = Pfade::ausgabeDir() + QStringLiteral("leer.png");
    if (!QFileInfo::exists(bild))
        QFile::copy(Pfade::vorlagenDir() + QStringLiteral("leer.png"), bild);
    return r;
}
