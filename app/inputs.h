// The input controls of the two panels with their key filters: the name boxes accept
// Chinese characters, the date lists digits only; a refused key shows its message. The
// same rules hold for text that arrives by any other route (paste, middle-click paste,
// drag and drop, an input method): it is refused with the same message and the field
// keeps the text it had.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

#include <functional>

namespace xingming::app {

// One edit of a field's text, seen as what was inserted where: the text before and after
// the edit share a prefix and a suffix, and the edit replaced the part between them.
struct TextEdit {
    QString before;   // the text before the edit
    QString prefix;   // unchanged text in front of the edit
    QString removed;  // what the edit took out
    QString inserted; // what the edit put in
    QString suffix;   // unchanged text behind the edit

    static TextEdit between(const QString& before, const QString& after);
};

// Guards a line edit against text that does not pass a field's rule, whatever route it
// took: it is the edit's validator, which the edit consults on every change before it
// takes it. rule(edit, cursor, refused) returns the text the field keeps: the edit's
// result, a cut result, or edit.before to refuse it (then refused is set when the field
// answers with its message, which comes once the edit is undone).
class FieldGuard : public QValidator {
    Q_OBJECT
public:
    using Rule = std::function<QString(const TextEdit&, int* cursor, bool* refused)>;

    FieldGuard(QLineEdit* edit, Rule rule, std::function<void()> refusal);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_edit;
    Rule m_rule;
    std::function<void()> m_refusal;
    QString m_accepted;
};

// A name box (Text1, Text2, Text9): at most two characters (code points, so a character
// outside the Basic Multilingual Plane counts once). Typed characters U+0001 to U+00FF
// other than Backspace and Enter are refused with the box's message; so is pasted or
// dropped text holding such a character. A text longer than the room left is cut to
// fit, and a box that is full takes no further character.
class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    NameEdit(const QString& refusal, QWidget* parent = nullptr);

    // True when a key with this text passes the filter.
    static bool keyPasses(const QString& text);

    // The text the box keeps after an edit (see FieldGuard).
    static QString afterEdit(const TextEdit& edit, int* cursor, bool* refused);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString m_refusal;
};

// An editable date or hour list (pxznc .. pxzsc, Combo20 .. Combo23): keys other than the
// digits, Backspace and Enter are refused with the list's message and a warning icon;
// characters from an input method, and pasted or dropped text that is not all digits,
// are refused too.
class DateCombo : public QComboBox {
    Q_OBJECT
public:
    DateCombo(const QString& refusal, QWidget* parent = nullptr);

    // Fills the list with the numbers first .. last as decimal texts; no item is selected.
    void fill(int first, int last);

    static bool keyPasses(const QString& text);

    static QString afterEdit(const TextEdit& edit, int* cursor, bool* refused);

protected:
    // Real key presses reach the list itself, which hands them to its line edit
    // directly; both places filter.
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool refuseKey(QKeyEvent* e);
    bool refuseInput(QInputMethodEvent* e);

    QString m_refusal;
};

} // namespace xingming::app
