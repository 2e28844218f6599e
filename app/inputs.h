// The input controls of the two panels with their key filters: the name boxes accept
// Chinese characters, the date lists digits only; a refused key shows its message.
#pragma once

#include <QComboBox>
#include <QLineEdit>

namespace xingming::app {

// A name box (Text1, Text2, Text9): at most two characters (code points, so a character
// outside the Basic Multilingual Plane counts once). Typed characters U+0001 to U+00FF
// other than Backspace and Enter are refused with the box's message.
class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    NameEdit(const QString& refusal, QWidget* parent = nullptr);

    // True when a key with this text passes the filter.
    static bool keyPasses(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void limitLength();

    QString m_refusal;
};

// An editable date or hour list (pxznc .. pxzsc, Combo20 .. Combo23): keys other than the
// digits, Backspace and Enter are refused with the list's message and a warning icon;
// characters from an input method are refused too.
class DateCombo : public QComboBox {
    Q_OBJECT
public:
    DateCombo(const QString& refusal, QWidget* parent = nullptr);

    // Fills the list with the numbers first .. last as decimal texts; no item is selected.
    void fill(int first, int last);

    static bool keyPasses(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QString m_refusal;
};

} // namespace xingming::app
