// The template engine: the input is a template, then after a byte 0x01 a value, after a
// second one a block tag. The value fills a placeholder once literally and once as typed
// text, which must come out without markup of its own; the block is kept in one copy and
// dropped in another.
#include "fuzzpruefung.h"

#include "app/textcodec.h"
#include "reports/vorlage.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse)
{
    const QStringList teile = TextCodec::decode(FuzzPruefung::bytes(daten, groesse)).split(QChar(0x01));
    const QString vorlage = teile.value(0);
    const QString wert = teile.value(1);
    const QString tag = teile.value(2, QStringLiteral("EKR"));

    QString roh = vorlage;
    Vorlage::ersetze(roh, QStringLiteral("%ProjektBezeichnung%"), wert);
    QString text = vorlage;
    Vorlage::ersetzeText(text, QStringLiteral("%ProjektBezeichnung%"), wert);
    // A typed value never brings a tag or a placeholder of its own into the document.
    const QString html = Vorlage::html(wert);
    FuzzPruefung::pruefe(!html.contains(QLatin1Char('>')) && !html.contains(QLatin1Char('%')),
                         "Text bringt Markup ein");

    QString mit = text;
    Vorlage::block(mit, tag, true);
    QString ohne = roh;
    Vorlage::block(ohne, tag, false);
    return 0;
}
