#include "app/inputs.h"

#include "app/messageboxes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace xingming::app {

namespace {

constexpr qsizetype kMaxNameChars = 2;

} // namespace

NameEdit::NameEdit(const QString& refusal, QWidget* parent) : QLineEdit(parent), m_refusal(refusal)
{
    // A pasted text is cut to two characters, like the box cuts what is typed.
    connect(this, &QLineEdit::textChanged, this, &NameEdit::limitLength);
}

bool NameEdit::keyPasses(const QString& text)
{
    if (text.isEmpty())
        return true;  // keys without a character (arrows, Delete) are not filtered
    const char32_t c = text.toUcs4().value(0);
    return c == 8 || c == 13 || c > 0xFF || c == 0;
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

void NameEdit::limitLength()
{
    const QList<uint> cps = text().toUcs4();
    if (cps.size() <= kMaxNameChars)
        return;
    const QString cut = QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData()), kMaxNameChars);
    const QSignalBlocker block(this);
    setText(cut);
}

DateCombo::DateCombo(const QString& refusal, QWidget* parent) : QComboBox(parent), m_refusal(refusal)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
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

bool DateCombo::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == lineEdit()) {
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            if (key->key() != Qt::Key_Delete && !keyPasses(key->text())) {
                messageBoxes().warning(window(), m_refusal);
                return true;
            }
        } else if (e->type() == QEvent::InputMethod) {
            auto* im = static_cast<QInputMethodEvent*>(e);
            if (!im->commitString().isEmpty()) {
                messageBoxes().warning(window(), m_refusal);
                return true;
            }
        }
    }
    return QComboBox::eventFilter(watched, e);
}

} // namespace xingming::app
