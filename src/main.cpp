#include "ui/programmstart.h"
#include "ui/whapplwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTranslator uebersetzer;
    std::unique_ptr<WHApplWindow> fenster = ProgrammStart::starte(QCoreApplication::arguments(), uebersetzer);
    if (!fenster)
        return ProgrammStart::startFehler;
    fenster->show();
    return app.exec();
}
