#pragma once

#include <QLineEdit>

class WHDoubleValidator;

// A line edit for one number with a range and a number of decimals. When it loses the focus
// with a value outside the range or with too many decimals, it corrects the text and tells
// the user which field was adjusted (by its Bezeichnung).
class WHDoubleEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(double bottom READ bottom WRITE setBottom)
    Q_PROPERTY(double top READ top WRITE setTop)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(QString Bezeichnung READ bezeichnung WRITE setBezeichnung)
public:
    explicit WHDoubleEdit(QWidget* parent = nullptr, const QString& name = QString(), double bottom = 0.0,
                          double top = 1e8, int decimals = 2);

    double bottom() const;
    void setBottom(double bottom);
    double top() const;
    void setTop(double top);
    int decimals() const;
    void setDecimals(int decimals);
    QString bezeichnung() const { return m_bezeichnung; }
    void setBezeichnung(const QString& bezeichnung) { m_bezeichnung = bezeichnung; }

    // Shows a value in the short form, without exponent.
    void setWert(double x);

    // The correction the focus loss applies: the text stays when it is acceptable; otherwise
    // it is replaced and, where the user must be told, the message is shown.
    void korrigieren();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    WHDoubleValidator* m_validator;
    QString m_bezeichnung;
};
