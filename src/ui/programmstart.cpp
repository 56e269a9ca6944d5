#include "ui/programmstart.h"

#include "app/einstellungen.h"
#include "app/pfade.h"
#include "model/anwenderdaten.h"
#include "ui/messagebox.h"
#include "ui/whapplwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

std::unique_ptr<WHApplWindow> ProgrammStart::starte(const QStringList& argumente, QTranslator& uebersetzer)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Belvoro"));
    QCoreApplication::setApplicationName(QStringLiteral("wh"));
    // The installed menu entry, so that the desktop shows its icon and name for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.belvoro.Wandheizung"));
    Einstellungen::lesePfade();

    if (QStyle* stil = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(stil);
    auto fenster = std::make_unique<WHApplWindow>();
    AnwenderDaten::uebernehmeAnwenderIni();
    ladeUebersetzung(uebersetzer);
    if (fenster->startFailed())
        return nullptr;
    // On a new account the user folder does not exist yet: it is created without a word.
    const QString ordnerFehler = Pfade::legeBenutzerOrdnerAn();
    if (!ordnerFehler.isEmpty())
        MessageBox::critical(fenster.get(), QCoreApplication::translate("ProgrammStart", "Fehler"),
                             ordnerFehler);
    if (argumente.size() > 1)
        fenster->ladeDatei(argumente.at(1));
    return fenster;
}

bool ProgrammStart::ladeUebersetzung(QTranslator& uebersetzer)
{
    const bool geladen =
        uebersetzer.load(QStringLiteral("qt_de.qm")) ||
        uebersetzer.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (geladen)
        QCoreApplication::installTranslator(&uebersetzer);
    return geladen;
}
