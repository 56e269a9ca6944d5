#include "ui/messagebox.h"

#include <QPushButton>
#include <QTextDocument>

namespace {
QList<int> g_antworten;
QList<MessageBox::Eintrag> g_gezeigt;
bool g_nichtAnzeigen = false;

QMessageBox::Icon icon(MessageBox::Art art)
{
    switch (art) {
    case MessageBox::Kritisch:
        return QMessageBox::Critical;
    case MessageBox::Information:
        return QMessageBox::Information;
    case MessageBox::Warnung:
        return QMessageBox::Warning;
    case MessageBox::Frage:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

bool MessageBox::nimmAntwort(int& antwort)
{
    if (g_antworten.isEmpty())
        return false;
    antwort = g_antworten.takeFirst();
    return true;
}

QString MessageBox::klartext(const QString& text)
{
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString MessageBox::anzeigeText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QString html = text;
    return html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

void MessageBox::merke(Art art, const QString& titel, const QString& text, const QStringList& knoepfe)
{
    g_gezeigt.append({art, titel, text, knoepfe});
}

void MessageBox::critical(QWidget* parent, const QString& titel, const QString& text)
{
    auswahl(parent, Kritisch, titel, text, {QObject::tr("Ok")}, 0, 0);
}

void MessageBox::information(QWidget* parent, const QString& titel, const QString& text)
{
    auswahl(parent, Information, titel, text, {QObject::tr("Ok")}, 0, 0);
}

void MessageBox::warning(QWidget* parent, const QString& titel, const QString& text)
{
    auswahl(parent, Warnung, titel, text, {QObject::tr("Ok")}, 0, 0);
}

int MessageBox::auswahl(QWidget* parent, Art art, const QString& titel, const QString& text,
                        const QStringList& knoepfe, int standard, int escape)
{
    merke(art, titel, text, knoepfe);
    int antwort = 0;
    if (nimmAntwort(antwort))
        return antwort;
    if (g_nichtAnzeigen)
        return standard;

    QMessageBox box(icon(art), titel, anzeigeText(text), QMessageBox::NoButton, parent);
    QList<QPushButton*> buttons;
    for (const QString& k : knoepfe)
        buttons.append(box.addButton(k, QMessageBox::ActionRole));
    if (standard >= 0 && standard < buttons.size())
        box.setDefaultButton(buttons.at(standard));
    if (escape >= 0 && escape < buttons.size())
        box.setEscapeButton(buttons.at(escape));
    box.exec();
    const int index = buttons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
    return index >= 0 ? index : escape;
}

void MessageBox::ueber(QWidget* parent, const QString& titel, const QString& text, const QPixmap& bild,
                       const QString& objektName)
{
    merke(Information, titel, text, {QObject::tr("Ok")});
    int antwort = 0;
    if (nimmAntwort(antwort) || g_nichtAnzeigen)
        return;
    QMessageBox box(QMessageBox::NoIcon, titel, anzeigeText(text), QMessageBox::NoButton, parent);
    box.setObjectName(objektName);
    box.setIconPixmap(bild);
    box.addButton(QObject::tr("Ok"), QMessageBox::AcceptRole);
    box.exec();
}

QMessageBox::StandardButton MessageBox::frage(QWidget* parent, const QString& titel, const QString& text,
                                              QMessageBox::StandardButtons knoepfe,
                                              QMessageBox::StandardButton standard)
{
    QStringList namen;
    for (int b = QMessageBox::FirstButton; b <= QMessageBox::LastButton; b <<= 1) {
        if (knoepfe.testFlag(static_cast<QMessageBox::StandardButton>(b)))
            namen.append(QString::number(b));
    }
    merke(Frage, titel, text, namen);
    int antwort = 0;
    if (nimmAntwort(antwort))
        return static_cast<QMessageBox::StandardButton>(antwort);
    if (g_nichtAnzeigen)
        return standard;
    QMessageBox box(QMessageBox::Question, titel, anzeigeText(text), knoepfe, parent);
    box.setDefaultButton(standard);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setNextAnswer(int antwort)
{
    g_antworten.append(antwort);
}

void MessageBox::setNichtAnzeigen(bool nichtAnzeigen)
{
    g_nichtAnzeigen = nichtAnzeigen;
}

QList<MessageBox::Eintrag> MessageBox::gezeigt()
{
    return g_gezeigt;
}

void MessageBox::leeren()
{
    g_gezeigt.clear();
    g_antworten.clear();
}
