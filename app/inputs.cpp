#include "app/inputs.h"

#include "app/messageboxes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>

namespace xingming::app {

namespace {

constexpr qsizetype kMaxNameChars = 2;

qsizetype codePoints(const QString& s)
{
    return s.toUcs4().size();
}

// The first n code points of s.
QString leftCodePoints(const QString& s, qsizetype n)
{
    const QList<uint> cps = s.toUcs4();
    if (cps.size() <= n)
        return s;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData()), n);
}

bool isDigits(const QString& s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

TextEdit TextEdit::between(const QString& before, const QString& after)
{
    qsizetype head = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (head < shorter && before[head] == after[head])
        ++head;
    // Never split a surrogate pair between the prefix and the edit.
    if (head > 0 && before[head - 1].isHighSurrogate())
        --head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (tail > 0 && before[before.size() - tail].isLowSurrogate())
        --tail;
    TextEdit e;
    e.before = before;
    e.prefix = before.left(head);
    e.suffix = before.right(tail);
    e.removed = before.mid(head, before.size() - head - tail);
    e.inserted = after.mid(head, after.size() - head - tail);
    return e;
}

FieldGuard::FieldGuard(QLineEdit* edit, Rule rule, std::function<void()> refusal)
    : QValidator(edit), m_edit(edit), m_rule(std::move(rule)), m_refusal(std::move(refusal)), m_accepted(edit->text())
{
    // What the field holds once a change is taken: the base of the next change.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { m_accepted = t; });
    edit->setValidator(this);
}

QValidator::State FieldGuard::validate(QString& input, int& pos) const
{
    if (input == m_accepted)
        return Acceptable;
    const TextEdit e = TextEdit::between(m_accepted, input);
    int cursor = int(e.prefix.size() + e.inserted.size());
    bool refused = false;
    const QString keep = m_rule(e, &cursor, &refused);
    if (refused)
        QTimer::singleShot(0, m_edit, m_refusal);
    if (keep == e.before)
        return Invalid; // the edit puts the field back as it was
    input = keep;
    pos = cursor;
    return Acceptable;
}

NameEdit::NameEdit(const QString& refusal, QWidget* parent) : QLineEdit(parent), m_refusal(refusal)
{
    new FieldGuard(this, &NameEdit::afterEdit, [this] { messageBoxes().tip(window(), m_refusal); });
}

bool NameEdit::keyPasses(const QString& text)
{
    if (text.isEmpty())
        return true; // keys without a character (arrows, Delete) are not filtered
    const char32_t c = text.toUcs4().value(0);
    return c == 8 || c == 13 || c > 0xFF || c == 0;
}

QString NameEdit::afterEdit(const TextEdit& e, int* cursor, bool* refused)
{
    *refused = false;
    for (char32_t c : e.inserted.toUcs4()) {
        if (c <= 0xFF) {
            *refused = true;
            *cursor = int(e.prefix.size() + e.removed.size());
            return e.before;
        }
    }
    // Room left for the inserted text; a full box takes nothing more, a longer text is cut.
    const qsizetype room = kMaxNameChars - codePoints(e.prefix) - codePoints(e.suffix);
    if (room <= 0 && !e.inserted.isEmpty()) {
        *cursor = int(e.prefix.size() + e.removed.size());
        return e.before;
    }
    const QString ins = leftCodePoints(e.inserted, std::max<qsizetype>(room, 0));
    *cursor = int(e.prefix.size() + ins.size());
    return e.prefix + ins + e.suffix;
}

void NameEdit::keyPressEvent(QKeyEvent* e)
{
    // Delete moves no character through the filter, like the arrows.
    if (e->key() != Qt::Key_Delete && !keyPasses(e->text())) {
        e->accept();
        messageBoxes().tip(window(), m_refusal);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

DateCombo::DateCombo(const QString& refusal, QWidget* parent) : QComboBox(parent), m_refusal(refusal)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
    new FieldGuard(lineEdit(), &DateCombo::afterEdit, [this] { messageBoxes().warning(window(), m_refusal); });
}

void DateCombo::fill(int first, int last)
{
    const QString typed = currentText();
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    addItems(items);
    setCurrentIndex(-1);
    setEditText(typed);
}

bool DateCombo::keyPasses(const QString& text)
{
    if (text.isEmpty())
        return true;
    const char32_t c = text.toUcs4().value(0);
    return c == 8 || c == 13 || (c >= '0' && c <= '9');
}

QString DateCombo::afterEdit(const TextEdit& e, int* cursor, bool* refused)
{
    *refused = !isDigits(e.inserted);
    if (*refused) {
        *cursor = int(e.prefix.size() + e.removed.size());
        return e.before;
    }
    *cursor = int(e.prefix.size() + e.inserted.size());
    return e.prefix + e.inserted + e.suffix;
}

bool DateCombo::refuseKey(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Delete || keyPasses(e->text()))
        return false;
    e->accept();
    messageBoxes().warning(window(), m_refusal);
    return true;
}

bool DateCombo::refuseInput(QInputMethodEvent* e)
{
    if (e->commitString().isEmpty())
        return false;
    e->accept();
    messageBoxes().warning(window(), m_refusal);
    return true;
}

void DateCombo::keyPressEvent(QKeyEvent* e)
{
    if (!refuseKey(e))
        QComboBox::keyPressEvent(e);
}

void DateCombo::inputMethodEvent(QInputMethodEvent* e)
{
    if (!refuseInput(e))
        QComboBox::inputMethodEvent(e);
}

bool DateCombo::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == lineEdit()) {
        if (e->type() == QEvent::KeyPress && refuseKey(static_cast<QKeyEvent*>(e)))
            return true;
        if (e->type() == QEvent::InputMethod && refuseInput(static_cast<QInputMethodEvent*>(e)))
            return true;
    }
    return QComboBox::eventFilter(watched, e);
}

} // namespace xingming::app
