#pragma once

#include <QString>
#include <QTemporaryDir>

// Puts a test into a world of its own: temporary settings folders (system and user scope),
// the program-wide values at their start values, an empty catalogue.
class TestUmgebung
{
public:
    // Call before the first QSettings of the test process (initTestCase).
    static void isolieren();
    // Resets the program-wide values (paths, VAT rate, stage, catalogue, user data).
    static void zuruecksetzen();

    // The shipped installation folder, ending with "/".
    static QString shareDir() { return QStringLiteral(WH_SHARE_DIR); }
    // Reads the shipped catalogue into the program-wide list.
    static bool ladeKatalog();

    static QString systemConfigDir();
    static QString userConfigDir();

    // Writes bytes to a file (creating folders), for tests that build their own inputs.
    static bool schreibe(const QString& path, const QByteArray& bytes);
    static QByteArray lies(const QString& path);
};
