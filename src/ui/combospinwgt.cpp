#include "ui/combospinwgt.h"

#include "app/zahl.h"
#include "ui/doublevalidator.h"
#include "ui/numberedit.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

#include <cmath>

namespace {
QToolButton* neuerKnopf(QWidget* parent, Qt::ArrowType pfeil, const QString& name)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(pfeil);
    b->setFixedWidth(15);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

// Number of characters after the first "." of a text; -1 without a point.
int nachkommastellen(const QString& text)
{
    const int punkt = text.indexOf(QLatin1Char('.'));
    return punkt < 0 ? -1 : text.size() - punkt - 1;
}
} // namespace

combospinWgt::combospinWgt(QWidget* parent, const QString& name)
    : QWidget(parent), m_edit(new numberEdit(this)),
      m_comboButton(neuerKnopf(this, Qt::DownArrow, QStringLiteral("cbButton"))),
      m_upButton(neuerKnopf(this, Qt::UpArrow, QStringLiteral("sbUp"))),
      m_downButton(neuerKnopf(this, Qt::DownArrow, QStringLiteral("sbDown"))),
      m_einheitLabel(new QLabel(this)), m_validator(new DoubleValidator(0.0, 1e8, 10, this))
{
    setObjectName(name.isEmpty() ? QStringLiteral("combospinWgt") : name);

    m_edit->setObjectName(QStringLiteral("numberEdit"));
    m_edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_edit->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::MinimumExpanding);
    m_edit->setValidator(m_validator);
    m_upButton->setAutoRepeat(true);
    m_downButton->setAutoRepeat(true);
    m_einheitLabel->setObjectName(QStringLiteral("qleEinheit"));
    m_einheitLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_einheitLabel->hide();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_edit, 0, 0, 2, 1);
    grid->addWidget(m_comboButton, 0, 1, 2, 1);
    grid->addWidget(m_upButton, 0, 2);
    grid->addWidget(m_downButton, 1, 2);
    grid->addWidget(m_einheitLabel, 0, 3, 2, 1);

    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setFocusPolicy(Qt::WheelFocus);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textEdited, this, &combospinWgt::editedSlot);
    connect(m_comboButton, &QToolButton::clicked, this, &combospinWgt::cb_clicked);
    connect(m_upButton, &QToolButton::clicked, this, &combospinWgt::sbup_clicked);
    connect(m_downButton, &QToolButton::clicked, this, &combospinWgt::sbdown_clicked);
}

combospinWgt::~combospinWgt()
{
    // The list lives in the window, not in this widget; an editor of a table is created for
    // every edit, so its list goes with it.
    if (m_valueList)
        m_valueList->deleteLater();
}

void combospinWgt::setMin(double min)
{
    m_min = min;
    m_validator->setBottom(min);
}

void combospinWgt::setMax(double max)
{
    m_max = max;
    m_validator->setTop(max);
}

void combospinWgt::setMaxDecimals(int decimals)
{
    m_maxDecimals = decimals;
    m_validator->setDecimals(decimals);
}

void combospinWgt::setSpinStep(double step)
{
    m_spinStep = step;
    m_stepDecimals = std::max(0, nachkommastellen(Zahl::kurz(step)));
}

void combospinWgt::setEinheit(const QString& einheit)
{
    m_einheit = einheit;
    if (einheit.isEmpty()) {
        m_einheitLabel->setText(QString());
        m_einheitLabel->hide();
        return;
    }
    if (einheit == QLatin1String("#")) {
        // A blank unit column, so that fields with and without unit line up.
        m_einheitLabel->setMinimumWidth(40);
    } else {
        const QString text = QLatin1Char(' ') + einheit;
        m_einheitLabel->setText(text);
        m_einheitLabel->setMinimumWidth(std::max(40, fontMetrics().horizontalAdvance(text) + 4));
    }
    m_einheitLabel->show();
}

void combospinWgt::setReadOnly(bool readOnly)
{
    if (!readOnly) {
        enable();
        return;
    }
    m_readOnly = true;
    m_edit->setReadOnly(true);
    QPalette p = m_edit->palette();
    p.setColor(QPalette::All, QPalette::Base, QApplication::palette().color(QPalette::Window));
    m_edit->setPalette(p);
    setFocusPolicy(Qt::NoFocus);
    m_edit->setFocusPolicy(Qt::NoFocus);
}

QListWidget* combospinWgt::valueList() const
{
    return m_valueList.data();
}

QString combospinWgt::text() const
{
    return m_edit->text();
}

QStringList combospinWgt::listenWerte(const QString& definition)
{
    QStringList werte;
    const QStringList teile = definition.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& teil : teile) {
        const QStringList f = teil.split(QLatin1Char(':'), Qt::SkipEmptyParts);
        if (f.size() == 1) {
            werte << f.at(0);
        } else if (f.size() == 3) {
            const double von = Zahl::toDouble(f.at(0));
            const double bis = Zahl::toDouble(f.at(1));
            const double schritt = Zahl::toDouble(f.at(2));
            // A step that does not move forward would never reach the end.
            if (!(schritt > 0.0))
                continue;
            for (double x = von; x <= bis + 0.0001; x += schritt)
                werte << Zahl::kurz(x);
        }
    }
    return werte;
}

QSize combospinWgt::sizeHint() const
{
    return minimumSizeHint();
}

QSize combospinWgt::minimumSizeHint() const
{
    const QSize e = m_edit->sizeHint();
    return QSize(e.width() + 70, e.height());
}

void combospinWgt::setEditText(const QString& text)
{
    const QSignalBlocker blocker(m_edit);
    m_edit->setText(text);
}

void combospinWgt::setRot(bool rot)
{
    if (!rot) {
        m_edit->setPalette(QPalette());
        return;
    }
    QPalette p = m_edit->palette();
    p.setBrush(QPalette::All, QPalette::Base, QBrush(Qt::red, Qt::SolidPattern));
    m_edit->setPalette(p);
}

void combospinWgt::setWert(double x)
{
    m_wert = m_resetWert = x;
    // The field shows no float noise and no exponent; a value cut to the field's decimals is
    // the value the field holds from now on.
    const QString text = Zahl::anzeige(x, m_maxDecimals);
    if (nachkommastellen(Zahl::kurz(x)) > m_maxDecimals)
        m_wert = Zahl::toDouble(text);
    if (!m_plainText) {
        setRot(false);
        m_plainText = true;
    }
    setEditText(text);
    m_edited = false;
}

void combospinWgt::changeWert(double x)
{
    setWert(x);
    emit wertChanged(m_wert);
}

void combospinWgt::enable()
{
    m_readOnly = false;
    m_edit->setReadOnly(false);
    m_edit->setPalette(QPalette());
    setFocusPolicy(Qt::WheelFocus);
    m_edit->setFocusPolicy(Qt::StrongFocus);
}

void combospinWgt::disable()
{
    setReadOnly(true);
    m_comboButton->hide();
    m_upButton->hide();
    m_downButton->hide();
    listeVerbergen();
}

void combospinWgt::SetEnabled(bool enabled)
{
    if (enabled)
        enable();
    else
        disable();
}

void combospinWgt::clear()
{
    {
        const QSignalBlocker blocker(m_edit);
        m_edit->clear();
    }
    m_edited = false;
    m_wert = m_resetWert = 0.0;
}

void combospinWgt::editedSlot()
{
    m_wert = Zahl::toDouble(m_edit->text());
    m_edited = true;
    m_comboButton->hide();
    m_upButton->hide();
    m_downButton->hide();
    listeVerbergen();
    if (emitOnEdit)
        emit wertChanged(m_wert);
}

void combospinWgt::cb_clicked()
{
    if (!m_valueList || m_comboWerte != m_lastListSource) {
        const QStringList werte = listenWerte(m_comboWerte);
        QWidget* fenster = QApplication::activeWindow();
        if (werte.isEmpty() || !fenster)
            return;
        if (m_valueList) {
            m_valueList->clear();
        } else {
            m_valueList = new QListWidget(fenster);
            m_valueList->setObjectName(QStringLiteral("valueList"));
            // The entry keeps the focus while an entry is picked with the mouse, so that
            // leaving the input always commits it and closes the list.
            m_valueList->setFocusPolicy(Qt::NoFocus);
            m_valueList->hide();
            connect(m_valueList, &QListWidget::itemClicked, this,
                    qOverload<QListWidgetItem*>(&combospinWgt::fromListSelected));
        }
        m_lastListSource = m_comboWerte;
        m_valueList->addItems(werte);
    }
    if (m_valueList->isVisible()) {
        m_valueList->hide();
        return;
    }

    QWidget* fenster = m_valueList->parentWidget();
    const QPoint oben = fenster->mapFromGlobal(mapToGlobal(QPoint(0, 0)));
    const int breite = width() - (m_einheitLabel->isVisible() ? m_einheitLabel->width() : 0);
    const int zeile = std::max(fontMetrics().height(), m_valueList->sizeHintForRow(0));
    const int h =
        std::min(200, m_valueList->count() * zeile + m_valueList->spacing() + 2 * m_valueList->frameWidth());
    const int y = oben.y();
    const int H = height();
    const int unten = fenster->height() - y - H;
    QRect rect;
    if (h <= unten)
        rect = QRect(oben.x(), y + H, breite, h);
    else if (h < y)
        rect = QRect(oben.x(), y - h, breite, h);
    else if (unten > y)
        rect = QRect(oben.x(), y + H, breite, unten);
    else
        rect = QRect(oben.x(), 0, breite, y);
    m_valueList->setGeometry(rect);
    m_valueList->clearSelection();
    m_valueList->show();
    m_valueList->raise();
}

void combospinWgt::schritt(bool auf)
{
    listeVerbergen();
    double v = Zahl::toDouble(m_edit->text()) + (auf ? m_spinStep : -m_spinStep);
    if (auf) {
        v = std::max(std::min(v, m_max), m_min);
        m_downButton->setEnabled(true);
    } else {
        v = std::min(std::max(v, m_min), m_max);
        m_upButton->setEnabled(true);
    }
    // Half-up rounding at the step's decimals: 1.25 + 0.5 gives 1.8.
    const double f = std::pow(10.0, m_stepDecimals);
    const double g = v * f;
    const double r = (std::ceil(g) - g > g - std::floor(g)) ? std::floor(g) : std::ceil(g);
    const QString text = Zahl::fest(r / f, m_stepDecimals);
    m_wert = Zahl::toDouble(text);
    if (auf && m_wert == m_max)
        m_upButton->setEnabled(false);
    if (m_wert == m_min)
        m_downButton->setEnabled(false);
    if (!m_plainText) {
        setRot(false);
        m_plainText = true;
    }
    setEditText(text);
    emit wertChanged(m_wert);
    m_edited = false;
}

void combospinWgt::sbdown_clicked()
{
    schritt(false);
}

void combospinWgt::sbup_clicked()
{
    schritt(true);
}

void combospinWgt::fromListSelected(const QString& text)
{
    listeVerbergen();
    const QString zahl = text.section(QLatin1Char(' '), 0, 0);
    if (!m_plainText) {
        setRot(false);
        m_plainText = true;
    }
    setEditText(zahl);
    m_wert = Zahl::toDouble(zahl);
    m_edited = false;
    m_edit->setFocus(Qt::OtherFocusReason);
    m_upButton->setEnabled(m_wert < m_max);
    m_downButton->setEnabled(m_wert > m_min);
    emit wertChanged(m_wert);
}

void combospinWgt::fromListSelected(QListWidgetItem* item)
{
    if (item)
        fromListSelected(item->text());
}

void combospinWgt::resizeEvent(QResizeEvent* event)
{
    listeVerbergen();
    QWidget::resizeEvent(event);
}

void combospinWgt::hideEvent(QHideEvent* event)
{
    listeVerbergen();
    QWidget::hideEvent(event);
}

void combospinWgt::aktivieren()
{
    if (m_readOnly)
        return;
    if (!m_plainText && !m_edit->text().isEmpty()) {
        setEditText(Zahl::anzeige(m_wert, m_maxDecimals));
        setRot(false);
    }
    m_plainText = true;
    if (!m_comboWerte.isEmpty())
        m_comboButton->show();
    if (m_spinStep != 0.0) {
        m_upButton->show();
        m_downButton->show();
    }
}

void combospinWgt::uebernehmen()
{
    if (m_readOnly || listeHatFokus())
        return;
    setRot(false);
    m_plainText = true;
    if (m_edited) {
        if (nachkommastellen(m_edit->text()) > m_maxDecimals)
            setEditText(Zahl::fest(Zahl::toDouble(m_edit->text()), m_maxDecimals));
        m_wert = Zahl::toDouble(m_edit->text());
        m_edited = false;
        emit wertChanged(m_wert);
    }
    if (m_min > m_wert) {
        if (!m_edit->text().isEmpty()) {
            setEditText(QStringLiteral("%1 (min  %2)")
                            .arg(Zahl::anzeige(m_wert, m_maxDecimals), Zahl::anzeige(m_min, m_maxDecimals)));
            setRot(true);
            m_plainText = false;
        }
        m_downButton->setEnabled(false);
    } else {
        m_downButton->setEnabled(true);
    }
    if (m_wert > m_max) {
        if (!m_edit->text().isEmpty()) {
            setEditText(QStringLiteral("%1 (max %2)")
                            .arg(Zahl::anzeige(m_wert, m_maxDecimals), Zahl::anzeige(m_max, m_maxDecimals)));
            setRot(true);
            m_plainText = false;
        }
        m_upButton->setEnabled(false);
    } else {
        m_upButton->setEnabled(true);
    }
    m_comboButton->hide();
    m_upButton->hide();
    m_downButton->hide();
    listeVerbergen();
    emit focusLost();
}

void combospinWgt::listeVerbergen()
{
    if (m_valueList && m_valueList->isVisible())
        m_valueList->hide();
}

bool combospinWgt::listeHatFokus() const
{
    return m_valueList && m_valueList->hasFocus();
}
