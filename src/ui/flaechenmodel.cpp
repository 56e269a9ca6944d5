#include "ui/flaechenmodel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>

FlaechenModel::FlaechenModel(QObject* parent) : QAbstractTableModel(parent) {}

int FlaechenModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_tabelle.zeilen();
}

int FlaechenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FlaechenTabelle::Spalten;
}

QVariant FlaechenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int zeile = index.row();
    const int spalte = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return m_tabelle.text(zeile, spalte);
    case Qt::EditRole:
        return m_tabelle.bearbeitungsWert(zeile, spalte);
    case Qt::CheckStateRole:
        if (spalte == FlaechenTabelle::SpalteDirekt)
            return m_tabelle.istDirekt(zeile) ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case Qt::DecorationRole:
        if (spalte == FlaechenTabelle::SpalteZusammenstellung && m_tabelle.hatZusammenstellung(zeile))
            return QIcon(QStringLiteral(":/icons/icons/richtig.png"));
        return QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::SizeHintRole: {
        // As wide as the widest line of the column's header plus a margin, at most 90 pixels.
        const QFontMetrics fm(QApplication::font());
        int breite = 0;
        const QStringList zeilen = FlaechenTabelle::kopfText(spalte).split(QLatin1Char('\n'));
        for (const QString& z : zeilen)
            breite = std::max(breite, fm.horizontalAdvance(z));
        return QSize(std::min(breite + 10, 90), fm.height() + 10);
    }
    default:
        return QVariant();
    }
}

QVariant FlaechenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return QVariant();
    }
    if (role == Qt::DisplayRole)
        return FlaechenTabelle::kopfText(section);
    if (role == Qt::DecorationRole && section == FlaechenTabelle::SpalteHeizkreis)
        return QIcon(m_tabelle.heizkreisFrei() ? QStringLiteral(":/icons/icons/unlock.png")
                                               : QStringLiteral(":/icons/icons/lock.png"));
    return QVariant();
}

Qt::ItemFlags FlaechenModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == FlaechenTabelle::SpalteDirekt)
        f |= Qt::ItemIsUserCheckable;
    else if (m_tabelle.editierbar(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool FlaechenModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    const bool haekchen = index.column() == FlaechenTabelle::SpalteDirekt;
    if ((haekchen && role != Qt::CheckStateRole) || (!haekchen && role != Qt::EditRole))
        return false;
    if (!haekchen && !m_tabelle.editierbar(index.row(), index.column()))
        return false;
    const FlaechenTabelle::Aenderung a = m_tabelle.schreibe(index.row(), index.column(), value);
    melde(a);
    return a.geschrieben();
}

void FlaechenModel::melde(const FlaechenTabelle::Aenderung& aenderung)
{
    if (m_tabelle.zeilen() > 0) {
        for (const FlaechenTabelle::Bereich& b : aenderung.bereiche)
            emit dataChanged(index(b.ersteZeile, b.ersteSpalte), index(b.letzteZeile, b.letzteSpalte));
    }
    if (aenderung.summen)
        emit summenGeaendert();
}

void FlaechenModel::neuAnzeigen()
{
    endResetModel();
    emit summenGeaendert();
}

void FlaechenModel::laden(const RaumData& raum)
{
    beginResetModel();
    m_tabelle.laden(raum);
    neuAnzeigen();
}

bool FlaechenModel::neueFlaeche(QString& meldung)
{
    const int zeile = m_tabelle.zeilen();
    if (zeile >= Kataloge::maxFlaechen)
        return m_tabelle.neueFlaeche(meldung);
    beginInsertRows(QModelIndex(), zeile, zeile);
    const bool ok = m_tabelle.neueFlaeche(meldung);
    endInsertRows();
    return ok;
}

bool FlaechenModel::loescheFlaeche(int zeile)
{
    if (zeile < 0 || zeile >= m_tabelle.zeilen())
        return false;
    beginRemoveRows(QModelIndex(), zeile, zeile);
    m_tabelle.loescheFlaeche(zeile);
    endRemoveRows();
    // The remaining rows may have been regrouped.
    if (m_tabelle.zeilen() > 0)
        emit dataChanged(index(0, 0), index(m_tabelle.zeilen() - 1, FlaechenTabelle::Spalten - 1));
    emit summenGeaendert();
    return true;
}

void FlaechenModel::vorschlag()
{
    beginResetModel();
    m_tabelle.vorschlag();
    neuAnzeigen();
}

bool FlaechenModel::headerClicked(int section)
{
    if (section != FlaechenTabelle::SpalteHeizkreis)
        return false;
    // The header's lock icon and the circuit cells change together.
    beginResetModel();
    m_tabelle.headerClicked(section);
    endResetModel();
    return true;
}

void FlaechenModel::test4Changes(int system, float flaeche)
{
    if (system != m_tabelle.system()) {
        beginResetModel();
        m_tabelle.test4Changes(system, flaeche);
        neuAnzeigen();
        return;
    }
    m_tabelle.test4Changes(system, flaeche);
    emit summenGeaendert();
}

void FlaechenModel::uebernimmZusammenstellung(int zeile, const QList<int>& anzahlen, double flaeche,
                                              int registerAnzahl)
{
    melde(m_tabelle.uebernimmZusammenstellung(zeile, anzahlen, flaeche, registerAnzahl));
}
