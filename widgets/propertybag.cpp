#include "widgets/propertybag.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>

namespace xingming::widgets {

namespace {

bool isKeyChar(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_';
    return first ? letter : (letter || (u >= u'0' && u <= u'9'));
}

QString quoted(const QString& s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : s) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString pictureText(const QImage& image)
{
    if (image.isNull())
        return QStringLiteral("none");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("png:") + QString::fromLatin1(png.toBase64());
}

QString valueText(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return QStringLiteral("none");
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return QString::number(v.toLongLong());
    case QMetaType::QColor:
        return v.value<QColor>().name(QColor::HexRgb);
    case QMetaType::QFont:
        return quoted(v.value<QFont>().toString());
    case QMetaType::QPixmap:
        return pictureText(v.value<QPixmap>().toImage());
    case QMetaType::QImage:
        return pictureText(v.value<QImage>());
    default:
        return quoted(v.toString());
    }
}

// Parses one value; returns nothing with a reason on a fault.
std::optional<QVariant> parseValue(QStringView s, QString* why)
{
    if (s.isEmpty()) {
        *why = QStringLiteral("missing value");
        return std::nullopt;
    }
    if (s.front() == u'"') {
        QString out;
        qsizetype i = 1;
        for (; i < s.size(); ++i) {
            const QChar c = s[i];
            if (c == u'"')
                break;
            if (c != u'\\') {
                out += c;
                continue;
            }
            if (++i >= s.size())
                break;
            switch (s[i].unicode()) {
            case u'"':
                out += QLatin1Char('"');
                break;
            case u'\\':
                out += QLatin1Char('\\');
                break;
            case u'n':
                out += QLatin1Char('\n');
                break;
            case u'r':
                out += QLatin1Char('\r');
                break;
            case u't':
                out += QLatin1Char('\t');
                break;
            default:
                *why = QStringLiteral("unknown escape \\") + s[i];
                return std::nullopt;
            }
        }
        if (i >= s.size()) {
            *why = QStringLiteral("unterminated text");
            return std::nullopt;
        }
        if (i != s.size() - 1) {
            *why = QStringLiteral("characters after the closing quote");
            return std::nullopt;
        }
        return QVariant(out);
    }
    if (s == u"true")
        return QVariant(true);
    if (s == u"false")
        return QVariant(false);
    if (s == u"none")
        return QVariant();
    if (s.front() == u'#') {
        const QColor c = QColor::fromString(s);
        if (s.size() != 7 || !c.isValid()) {
            *why = QStringLiteral("bad colour ") + s;
            return std::nullopt;
        }
        return QVariant(c);
    }
    if (s.startsWith(u"png:")) {
        const auto data = QByteArray::fromBase64Encoding(s.mid(4).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        QImage image;
        if (!data || !image.loadFromData(*data, "PNG")) {
            *why = QStringLiteral("bad picture data");
            return std::nullopt;
        }
        return QVariant(image);
    }
    bool ok = false;
    const int n = s.toInt(&ok);
    if (!ok) {
        *why = QStringLiteral("bad value ") + s;
        return std::nullopt;
    }
    return QVariant(n);
}

} // namespace

qsizetype PropertyBag::indexOf(const QString& key) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i)
        if (m_items[i].first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void PropertyBag::write(const QString& key, const QVariant& value)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_items.append({key, value});
    else
        m_items[i].second = value;
}

QVariant PropertyBag::read(const QString& key, const QVariant& missing) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? missing : m_items[i].second;
}

bool PropertyBag::contains(const QString& key) const
{
    return indexOf(key) >= 0;
}

bool PropertyBag::remove(const QString& key)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        return false;
    m_items.removeAt(i);
    return true;
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    for (const auto& item : m_items)
        out << item.first;
    return out;
}

QString PropertyBag::toText() const
{
    QString out;
    for (const auto& [key, value] : m_items)
        out += key + QStringLiteral(" = ") + valueText(value) + QLatin1Char('\n');
    return out;
}

std::optional<PropertyBag> PropertyBag::fromText(const QString& text, QString* error)
{
    PropertyBag bag;
    int lineNo = 0;
    const auto fail = [&](const QString& why) -> std::optional<PropertyBag> {
        if (error)
            *error = QStringLiteral("line ") + QString::number(lineNo) + QStringLiteral(": ") + why;
        return std::nullopt;
    };
    QStringView all(text);
    if (all.startsWith(QChar(0xFEFF)))
        all = all.mid(1);
    for (QStringView line : all.split(u'\n')) {
        ++lineNo;
        line = line.trimmed(); // also drops the carriage return of CRLF files
        if (line.isEmpty() || line.front() == u'#')
            continue;
        qsizetype k = 0;
        while (k < line.size() && isKeyChar(line[k], k == 0))
            ++k;
        if (k == 0)
            return fail(QStringLiteral("a key must start with a letter"));
        const QString key = line.first(k).toString();
        QStringView rest = line.mid(k).trimmed();
        if (rest.isEmpty() || rest.front() != u'=')
            return fail(QStringLiteral("expected '=' after ") + key);
        QString why;
        const auto value = parseValue(rest.mid(1).trimmed(), &why);
        if (!value)
            return fail(why);
        if (bag.contains(key))
            return fail(QStringLiteral("duplicate key ") + key);
        bag.write(key, *value);
    }
    if (error)
        error->clear();
    return bag;
}

} // namespace xingming::widgets
