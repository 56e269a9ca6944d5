#pragma once

#include <QPointer>
#include <QWidget>

class DoubleValidator;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QToolButton;
class numberEdit;

// A compound editor for one decimal value: a right-aligned text entry, a button that opens a
// list of suggested values, up and down buttons that step the value and a unit label.
// Values set by code (setWert) emit nothing; only the user's input reports wertChanged.
// A value outside [min, max] is kept and marked on red when the entry loses the focus: the
// page that listens decides what to do with it.
class combospinWgt : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double wert READ wert WRITE setWert)
    Q_PROPERTY(double min READ min WRITE setMin)
    Q_PROPERTY(double max READ max WRITE setMax)
    Q_PROPERTY(int maxDecimals READ maxDecimals WRITE setMaxDecimals)
    Q_PROPERTY(double spinStep READ spinStep WRITE setSpinStep)
    Q_PROPERTY(QString comboWerte READ comboWerte WRITE setComboWerte)
    Q_PROPERTY(QString einheit READ einheit WRITE setEinheit)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly RESET enable)

    friend class numberEdit;

public:
    explicit combospinWgt(QWidget* parent = nullptr, const QString& name = QString());
    ~combospinWgt() override;

    double wert() const { return m_wert; }
    double min() const { return m_min; }
    void setMin(double min);
    double max() const { return m_max; }
    void setMax(double max);
    int maxDecimals() const { return m_maxDecimals; }
    void setMaxDecimals(int decimals);
    double spinStep() const { return m_spinStep; }
    void setSpinStep(double step);
    int stepDecimals() const { return m_stepDecimals; }
    QString comboWerte() const { return m_comboWerte; }
    void setComboWerte(const QString& werte) { m_comboWerte = werte; }
    QString einheit() const { return m_einheit; }
    void setEinheit(const QString& einheit);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // The text in the entry.
    QString text() const;
    // True while the entry shows the bare value (no min/max note).
    bool plainText() const { return m_plainText; }
    // The suggested values of a list definition such as "1:20:1;25:100:5": a part of one
    // field is taken as it stands, a part from:to:step counts up to "to" (with a tolerance of
    // 0.0001 for accumulated rounding); other parts add nothing.
    static QStringList listenWerte(const QString& definition);
    // The popup list, once it has been opened.
    QListWidget* valueList() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Emit wertChanged on every keystroke (false: only on commit, stepping and list choice).
    bool emitOnEdit = true;

signals:
    void FKeySignal(int key);
    void wertChanged(double wert);
    void focusLost();

public slots:
    void setWert(double x);
    void changeWert(double x);
    void enable();
    void disable();
    void SetEnabled(bool enabled);
    void clear();
    void editedSlot();
    void cb_clicked();
    void sbdown_clicked();
    void sbup_clicked();
    void fromListSelected(const QString& text);
    void fromListSelected(QListWidgetItem* item);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Shows the buttons for the user's editing (left click or focus by code).
    void aktivieren();
    // Takes the typed value when the entry loses the focus and marks a value out of range.
    void uebernehmen();
    void schritt(bool auf);
    void listeVerbergen();
    bool listeHatFokus() const;
    void setEditText(const QString& text);
    void setRot(bool rot);

    numberEdit* m_edit;
    QToolButton* m_comboButton;
    QToolButton* m_upButton;
    QToolButton* m_downButton;
    QLabel* m_einheitLabel;
    DoubleValidator* m_validator;
    QPointer<QListWidget> m_valueList;
    double m_min = 0.0;
    double m_max = 1e8;
    double m_wert = 0.0;
    double m_resetWert = 0.0;
    QString m_comboWerte;
    double m_spinStep = 0.0;
    int m_stepDecimals = 0;
    int m_maxDecimals = 10;
    QString m_einheit;
    QString m_lastListSource;
    bool m_readOnly = false;
    bool m_plainText = true;
    bool m_edited = false;
};
