#include "cli/datanormbefehl.h"

#include "cli/clikontext.h"
#include "model/datanormimport.h"

int DatanormBefehl::ausfuehren(CliKontext& k, QStringList args)
{
    QString ziel;
    bool mitZiel = false;
    if (!k.nimmOption(args, QStringLiteral("-o"), ziel, mitZiel) || !mitZiel || args.size() != 2 ||
        args.at(0).startsWith(QLatin1Char('-')) || args.at(1).startsWith(QLatin1Char('-')))
        return k.aufrufFehler(benutzung());
    QTextStream& out = k.out();
    const DatanormImport::Ergebnis e = DatanormImport::einlesen(
        args.at(0), args.at(1), ziel, [&out](const QString& zeile) { out << zeile << '\n'; });
    out.flush();
    if (e.status != DatanormImport::Geschrieben)
        k.err() << e.meldung << Qt::endl;
    return e.status;
}
