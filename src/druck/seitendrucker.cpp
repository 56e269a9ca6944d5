#include "druck/seitendrucker.h"

#include "app/programm.h"
#include "druck/htmlstuecke.h"
#include "model/anwenderdaten.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <cmath>

namespace {

// The resolution the rich-text engine lays out in when it has no device of its own: the
// screen's. Margins and bands are measured in its dots, and painting scales to the device.
double layoutAufloesung()
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    return bildschirm ? qRound(bildschirm->logicalDotsPerInchY()) : 96.0;
}

// Space between the band lines and the texts, and the texts' distance from the side edges.
constexpr double abstand = 5.0;

// Characters laid out between two progress reports.
constexpr int umbruchSchritt = 5000;

std::vector<std::unique_ptr<QTextDocument>> ausHtml(const QString& html)
{
    std::vector<std::unique_ptr<QTextDocument>> dokumente;
    for (const QString& stueck : HtmlStuecke::teile(html)) {
        dokumente.push_back(std::make_unique<QTextDocument>());
        dokumente.back()->setHtml(stueck);
    }
    return dokumente;
}

std::vector<std::unique_ptr<QTextDocument>> kopie(const QTextDocument& dokument)
{
    std::vector<std::unique_ptr<QTextDocument>> dokumente;
    dokumente.emplace_back(dokument.clone());
    return dokumente;
}

} // namespace

Seitendrucker::Seitendrucker(const QString& html, const QTextDocument& bilder, const QFont& schrift,
                             Kopf kopf)
    : Seitendrucker(ausHtml(html), bilder, schrift, kopf)
{
}

Seitendrucker::Seitendrucker(const QTextDocument& dokument, const QFont& schrift, Kopf kopf)
    : Seitendrucker(kopie(dokument), dokument, schrift, kopf)
{
}

Seitendrucker::Seitendrucker(std::vector<std::unique_ptr<QTextDocument>> stuecke, const QTextDocument& bilder,
                             const QFont& schrift, Kopf kopf)
    : m_schrift(schrift), m_kopf(kopf), m_aufloesung(layoutAufloesung())
{
    // Images are fetched through the document that is shown, which knows its folders; when
    // that document is gone, they stay empty.
    QPointer<QTextDocument> quelle(const_cast<QTextDocument*>(&bilder));
    for (std::unique_ptr<QTextDocument>& dokument : stuecke) {
        dokument->setResourceProvider([quelle](const QUrl& name) {
            return quelle ? quelle->resource(QTextDocument::ImageResource, name) : QVariant();
        });
        dokument->setDefaultFont(m_schrift);
        dokument->setDocumentMargin(0);
        Stueck stueck;
        // A piece after the first begins with an empty line, as high as the pieces before it
        // fill of the page it starts on.
        stueck.fuellzeile = !m_stuecke.empty();
        if (stueck.fuellzeile) {
            QTextCursor anfang(dokument.get());
            anfang.insertBlock(anfang.blockFormat(), anfang.charFormat());
        }
        stueck.dokument = std::move(dokument);
        m_stuecke.push_back(std::move(stueck));
    }
    // The bands are painted in the layout's dots, scaled to the device like the body: their
    // font is sized in those dots, not in the device's points.
    m_bandSchrift = m_schrift;
    m_bandSchrift.setPixelSize(qMax(1, qRound(m_schrift.pointSizeF() * m_aufloesung / 72.0)));

    const AnwenderDaten& daten = AnwenderDaten::global();
    m_kopfLinks1 = daten.anwender1;
    m_kopfLinks2 = zweiteKopfzeile(daten);
    m_kopfRechts1 = daten.strasse;
    m_kopfRechts2 = daten.plzOrt;
}

Seitendrucker::~Seitendrucker() = default;

QString Seitendrucker::zweiteKopfzeile(const AnwenderDaten& daten)
{
    if (!daten.anwender2.isEmpty())
        return daten.anwender2;
    QString zeile;
    if (!daten.telefon.isEmpty())
        zeile += QStringLiteral("Tel.: ") + daten.telefon;
    if (!daten.fax.isEmpty())
        zeile += QStringLiteral(" Fax: ") + daten.fax;
    return zeile;
}

QString Seitendrucker::titel() const
{
    return m_stuecke.front().dokument->metaInformation(QTextDocument::DocumentTitle);
}

bool Seitendrucker::umbrechen(const QPageLayout& papier, const Fortschritt& fortschritt)
{
    const QRectF zoll = papier.fullRect(QPageLayout::Inch);
    const QRectF papierRect(0, 0, zoll.width() * m_aufloesung, zoll.height() * m_aufloesung);
    if (m_seiten > 0 && papierRect == m_papier)
        return true;
    m_seiten = 0;
    m_papier = papierRect;
    m_rand = qRound(0.6 * m_aufloesung);
    m_randOben = qRound(0.4 * m_aufloesung);
    m_randUnten = qRound(0.6 * m_aufloesung);
    m_zeile = QFontMetricsF(m_bandSchrift).lineSpacing();

    const double kopfBand = m_kopf == MitAnwenderKopf ? 2 * m_zeile + 14 : 0.0;
    const double fussBand = m_zeile + 11;
    const double breite = m_papier.width() - 2 * m_rand;
    const double hoehe = m_papier.height() - m_randOben - kopfBand - fussBand - m_randUnten;
    m_koerper = QRectF(m_rand, m_randOben + kopfBand, qMax(breite, 1.0), qMax(hoehe, 1.0));

    // Each piece begins where the one before it ended, on the same page.
    double ende = 0.0;
    int seite = 0;
    for (Stueck& stueck : m_stuecke) {
        stueck.ersteSeite = seite;
        if (!umbrechen(stueck, ende, ende, fortschritt))
            return false;
        seite += int(ende / m_koerper.height());
        ende = std::fmod(ende, m_koerper.height());
    }
    m_seiten = qMax(1, m_stuecke.back().ersteSeite + m_stuecke.back().seiten);
    return true;
}

bool Seitendrucker::umbrechen(Stueck& stueck, double oben, double& ende, const Fortschritt& fortschritt) const
{
    QTextDocument& dokument = *stueck.dokument;
    if (stueck.fuellzeile) {
        // The paragraph below keeps the space above it that it has in the whole document,
        // where it counts from the end of what the piece before holds.
        QTextBlockFormat fuellung;
        const double absatzRand = dokument.begin().next().blockFormat().topMargin();
        fuellung.setLineHeight(qMax(0.0, oben - absatzRand), QTextBlockFormat::FixedHeight);
        QTextCursor(&dokument).setBlockFormat(fuellung);
    }
    // With a page height the layout moves lines and table rows that would straddle a page
    // boundary onto the next page, so no line is cut in half between two pages.
    dokument.setPageSize(m_koerper.size());

    // The layout runs ahead a piece at a time (it is lazy), so that a document of hundreds of
    // pages can report progress and be cancelled in between.
    QAbstractTextDocumentLayout* layout = dokument.documentLayout();
    int naechstePosition = 0;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        if (block.position() < naechstePosition)
            continue;
        naechstePosition = block.position() + umbruchSchritt;
        const double unten = layout->blockBoundingRect(block).bottom();
        if (fortschritt && !fortschritt(stueck.ersteSeite + int(unten / m_koerper.height()) + 1, 0))
            return false;
    }
    stueck.seiten = dokument.pageCount();
    ende = layout->frameBoundingRect(dokument.rootFrame()).bottom();
    return true;
}

void Seitendrucker::maleSeite(QPainter& painter, const QPagedPaintDevice& geraet, int seite) const
{
    painter.save();
    painter.scale(geraet.logicalDpiX() / m_aufloesung, geraet.logicalDpiY() / m_aufloesung);
    painter.setFont(m_bandSchrift);
    painter.setPen(QPen(Qt::black, 1.0));
    if (m_kopf == MitAnwenderKopf)
        maleKopf(painter);
    maleFuss(painter, seite);

    painter.translate(m_koerper.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), m_koerper.size()));
    QAbstractTextDocumentLayout::PaintContext kontext;
    kontext.palette.setColor(QPalette::Text, Qt::black);
    // Only the pieces on this page are painted.
    for (const Stueck& stueck : m_stuecke) {
        if (stueck.ersteSeite >= seite)
            break;
        if (stueck.ersteSeite + stueck.seiten < seite)
            continue;
        const double versatz = (seite - 1 - stueck.ersteSeite) * m_koerper.height();
        painter.save();
        painter.translate(0, -versatz);
        // Lines that only touch the page's edges belong to the neighbouring page: painted here
        // they would be clipped away, but still be in the PDF's text (twice, when copied or
        // searched).
        kontext.clip = QRectF(0, versatz, m_koerper.width(), m_koerper.height()).adjusted(0, 0.5, 0, -0.5);
        stueck.dokument->documentLayout()->draw(&painter, kontext);
        painter.restore();
    }
    painter.restore();
}

void Seitendrucker::maleKopf(QPainter& painter) const
{
    const double links = m_koerper.left();
    const double rechts = m_koerper.right();
    const double oben = m_randOben;
    painter.drawLine(QPointF(links, oben), QPointF(rechts, oben));
    const QRectF zeile1(links + abstand, oben + abstand, m_koerper.width() - 2 * abstand, m_zeile);
    const QRectF zeile2 = zeile1.translated(0, m_zeile);
    const int linksBuendig = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const int rechtsBuendig = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(zeile1, linksBuendig, m_kopfLinks1);
    painter.drawText(zeile2, linksBuendig, m_kopfLinks2);
    painter.drawText(zeile1, rechtsBuendig, m_kopfRechts1);
    painter.drawText(zeile2, rechtsBuendig, m_kopfRechts2);
    const double unten = m_koerper.top() - 4;
    painter.drawLine(QPointF(links, unten), QPointF(rechts, unten));
}

void Seitendrucker::maleFuss(QPainter& painter, int seite) const
{
    const double links = m_koerper.left();
    const double rechts = m_koerper.right();
    const double linie = m_koerper.bottom() + 4;
    painter.drawLine(QPointF(links, linie), QPointF(rechts, linie));
    const QRectF zeile(links + abstand, linie + 3, m_koerper.width() - 2 * abstand, m_zeile);
    if (m_kopf == MitAnwenderKopf)
        painter.drawText(zeile, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QStringLiteral("Wandheizung Version ") + Programm::version());
    painter.drawText(zeile, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral("Seite ") + QString::number(seite));
}

bool Seitendrucker::drucke(QPagedPaintDevice& geraet, const Fortschritt& fortschritt)
{
    if (!umbrechen(geraet.pageLayout(), fortschritt))
        return false;
    QPainter painter;
    if (!painter.begin(&geraet))
        return false;
    for (int seite = 1; seite <= m_seiten; ++seite) {
        if ((fortschritt && !fortschritt(seite, m_seiten)) || (seite > 1 && !geraet.newPage())) {
            painter.end();
            return false;
        }
        maleSeite(painter, geraet, seite);
    }
    return painter.end();
}
