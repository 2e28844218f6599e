// A property bag: named values that a window keeps for each button it holds, saved and
// loaded by name. Keys are compared without regard to case and keep the spelling under
// which they were first written.
//
// Text form, one property a line (blank lines and lines starting with '#' are skipped):
//   Key = 8                    32-bit integer
//   Key = true | false         boolean
//   Key = "text"               text; \" \\ \n \r \t are the escapes
//   Key = #rrggbb              colour
//   Key = none                 no value (a missing picture)
//   Key = png:BASE64           picture, PNG data in base64
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>

namespace xingming::widgets {

class PropertyBag {
public:
    // Stores value under key; an existing key of any case is replaced in place.
    void write(const QString& key, const QVariant& value);
    // The value under key, or `missing` when the bag has no such key.
    QVariant read(const QString& key, const QVariant& missing = {}) const;
    bool contains(const QString& key) const;
    bool remove(const QString& key);

    QStringList keys() const; // in order of writing
    qsizetype size() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }

    QString toText() const;
    // Parses the text form; on a fault returns nothing and, if error is given, a message
    // naming the line ("line 3: unterminated text").
    static std::optional<PropertyBag> fromText(const QString& text, QString* error = nullptr);

private:
    qsizetype indexOf(const QString& key) const;
    QList<std::pair<QString, QVariant>> m_items;
};

} // namespace xingming::widgets
