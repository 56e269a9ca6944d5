#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class AnwenderDaten;
class QPagedPaintDevice;
class QPainter;
class QPageLayout;
class QTextDocument;

// Paged output of a rich-text document: the document is laid out once at the width between
// the margins and broken into pages; each page gets a header band with the installer's
// address, the slice of the body that falls on it and a footer band with program version
// and page number. Pages are painted one by one onto any paged device (a printer, a PDF
// writer), so printed and PDF pages are the same.
class Seitendrucker
{
public:
    enum Kopf
    {
        MitAnwenderKopf, // reports: address band above, version and page number below
        NurSeitenzahl    // help pages: the page number below, nothing above
    };

    // Called while the document is laid out, with the page reached so far and a page count
    // of 0, then before each page is painted, with its number (from 1) and the page count;
    // returning false stops the output.
    using Fortschritt = std::function<bool(int seite, int seiten)>;

    // The document given as HTML text, set in the given font. Images are fetched through the
    // document bilder (the one a window shows, or one with a base address), so they resolve
    // in that window's folders. The address lines are those of the program-wide user data at
    // this moment. A long document is laid out in pieces, one after the other on the same pages,
    // each cut before a paragraph outside any table: the cost of laying out and painting a table
    // grows with the size of the document it lies in, so pieces make hundreds of pages fast.
    Seitendrucker(const QString& html, const QTextDocument& bilder, const QFont& schrift, Kopf kopf);
    // The same for a copy of a document; copying is slow for long documents, which are better
    // given as HTML.
    Seitendrucker(const QTextDocument& dokument, const QFont& schrift, Kopf kopf);
    ~Seitendrucker();

    Seitendrucker(const Seitendrucker&) = delete;
    Seitendrucker& operator=(const Seitendrucker&) = delete;

    // Lays the document out for pages of this paper (its full size counts; margins are the
    // painter's own), piece by piece with progress. Done once per paper size; painting never
    // lays out again. False when fortschritt stopped it.
    bool umbrechen(const QPageLayout& papier, const Fortschritt& fortschritt = Fortschritt());
    int seiten() const { return m_seiten; }

    // Paints one page (from 1) with a painter whose origin is the paper's corner.
    void maleSeite(QPainter& painter, const QPagedPaintDevice& geraet, int seite) const;

    // Every page onto the device, laid out for the device's paper. False when fortschritt
    // stopped it or the device could not be painted on.
    bool drucke(QPagedPaintDevice& geraet, const Fortschritt& fortschritt = Fortschritt());

    // The document's title (from its <title>).
    QString titel() const;

    // The second line of the header: the second name line, or else "Tel.: …" and " Fax: …"
    // for the numbers that are filled in.
    static QString zweiteKopfzeile(const AnwenderDaten& daten);

private:
    // One piece of the document: laid out as if it began where the piece before it ends.
    struct Stueck
    {
        std::unique_ptr<QTextDocument> dokument;
        bool fuellzeile = false; // begins with an empty line that fills the space above it
        int ersteSeite = 0;      // the page (from 0) its top lies on
        int seiten = 0;
    };

    Seitendrucker(std::vector<std::unique_ptr<QTextDocument>> stuecke, const QTextDocument& bilder,
                  const QFont& schrift, Kopf kopf);
    // Lays out one piece starting at this height on its first page; where it ends, measured
    // from the top of that page, in ende. False when fortschritt stopped it.
    bool umbrechen(Stueck& stueck, double oben, double& ende, const Fortschritt& fortschritt) const;
    void maleKopf(QPainter& painter) const;
    void maleFuss(QPainter& painter, int seite) const;

    std::vector<Stueck> m_stuecke;
    QFont m_schrift;
    QFont m_bandSchrift;
    Kopf m_kopf;
    QString m_kopfLinks1;
    QString m_kopfLinks2;
    QString m_kopfRechts1;
    QString m_kopfRechts2;

    // All in dots of the layout's resolution.
    double m_aufloesung = 96.0;
    QRectF m_papier;
    QRectF m_koerper; // the body rectangle of every page
    double m_zeile = 0.0;
    double m_rand = 0.0; // left and right margin
    double m_randOben = 0.0;
    double m_randUnten = 0.0;
    int m_seiten = 0;
};
