#pragma once

#include <QTextBrowser>

// The browser of the help window. It reads the help pages in their character set, answers a
// page that does not exist with a page that names it (so a missing page or a missing help
// folder never leaves the old page standing without a word), and shows the result of a search
// over the help folder as a page of its own, with links to the pages found.
class HilfeBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    HilfeBrowser(const QString& ordner, QWidget* parent);

    // The address under which the search for wort is shown (it takes part in back and forward
    // like any page).
    static QUrl suchAdresse(const QString& wort);

    // The address of a page: a bare name ("raum.html") lies in the help folder, a relative
    // path with a folder ("hilfe/index.html") is taken from the working folder, an absolute
    // path stays as it is.
    QUrl adresse(const QString& seite) const;

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString suchSeite(const QString& wort) const;
    QString fehlSeite(const QString& datei) const;

    QString m_ordner;
};
