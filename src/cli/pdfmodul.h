#pragma once

#include <QString>

#include <memory>

class QCoreApplication;
struct PdfAuftrag;

// The batch tool's PDF output, in a module loaded only by the commands that write PDF: every
// other command starts with Qt Core alone. The module lies beside the tool in the build and in
// the library folder of an installation.
class PdfModul
{
public:
    // The graphical application of a command that writes PDF; null with the message in fehler
    // when the module cannot be loaded.
    static std::unique_ptr<QCoreApplication> anwendung(int& argc, char** argv, QString& fehler);
    // Writes the PDF; false with the message in fehler.
    static bool schreibe(const PdfAuftrag& auftrag, QString& fehler);
};
