#include "ui/whdoubleedit.h"

#include "app/zahl.h"
#include "ui/messagebox.h"
#include "ui/whdoublevalidator.h"

WHDoubleEdit::WHDoubleEdit(QWidget* parent, const QString& name, double bottom, double top, int decimals)
    : QLineEdit(parent), m_validator(new WHDoubleValidator(bottom, top, decimals, this))
{
    if (!name.isEmpty())
        setObjectName(name);
    setValidator(m_validator);
}

double WHDoubleEdit::bottom() const
{
    return m_validator->bottom();
}

void WHDoubleEdit::setBottom(double bottom)
{
    m_validator->setBottom(bottom);
}

double WHDoubleEdit::top() const
{
    return m_validator->top();
}

void WHDoubleEdit::setTop(double top)
{
    m_validator->setTop(top);
}

int WHDoubleEdit::decimals() const
{
    return m_validator->decimals();
}

void WHDoubleEdit::setDecimals(int decimals)
{
    m_validator->setDecimals(decimals);
}

void WHDoubleEdit::setWert(double x)
{
    // The short form keeps a value read from a file as it is; only a focus loss corrects it to
    // the field's decimals, with its message.
    setText(Zahl::anzeige(x));
}

void WHDoubleEdit::korrigieren()
{
    QString text = this->text();
    int pos = 0;
    const QValidator::State state = m_validator->validate(text, pos);
    if (state == QValidator::Acceptable) {
        if (text != this->text())
            setText(text);
        return;
    }
    const double v = Zahl::toDouble(text);
    const int n = decimals();
    if (bottom() > v) {
        setText(Zahl::fest(bottom(), n));
        MessageBox::warning(this, tr("Achtung"),
                            tr("Eigabe Wert für <%1>\nmuss >= als %2 sein.\nWert wurde angepasst.")
                                .arg(m_bezeichnung, Zahl::anzeige(bottom(), n)));
    } else if (v > top()) {
        setText(Zahl::fest(top(), n));
        MessageBox::warning(this, tr("Achtung"),
                            tr("Eigabe Wert für <%1>\nmuss <= als %2 sein.\nWert wurde angepasst.")
                                .arg(m_bezeichnung, Zahl::anzeige(top(), n)));
    } else if (v == 0.0) {
        setText(Zahl::fest(0.0, n));
    } else {
        setText(Zahl::fest(v, n));
        MessageBox::warning(
            this, tr("Achtung"),
            tr("Eingabe Wert für <%1>\nkann maximal %2 Nachkommastelle(n) haben.\nWert wurde angepasst.")
                .arg(m_bezeichnung)
                .arg(n));
    }
}

void WHDoubleEdit::focusOutEvent(QFocusEvent* event)
{
    korrigieren();
    QLineEdit::focusOutEvent(event);
}
