// SPDX-License-Identifier: MIT

#include "settings/inifile.h"

#include <QStringDecoder>

namespace {

// Qt's name for the section of the root's values, and its escape for a group of that name.
constexpr char RootSection[] = "General";
constexpr char GeneralGroupSection[] = "%General";

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Reads up to maxDigits digits of base from text at i; -1 when there is none.
int ReadDigits(QStringView text, qsizetype &i, int base, int maxDigits)
{
    int value = -1;
    for (int n = 0; n < maxDigits && i < text.size(); ++n, ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || digit >= base)
            break;
        value = (value < 0 ? 0 : value * base) + digit;
    }
    return value;
}

QString DecodeName(QStringView text)
{
    QString name;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i++];
        if (c == u'\\') {
            name += u'/';
            continue;
        }
        if (c == u'%') {
            const bool wide = i < text.size() && text[i] == u'U';
            qsizetype at = wide ? i + 1 : i;
            const int digits = wide ? 4 : 2;
            const int code = ReadDigits(text, at, 16, digits);
            if (code >= 0 && at - i == digits + (wide ? 1 : 0)) {
                name += QChar(char16_t(code));
                i = at;
                continue;
            }
        }
        name += c;
    }
    return name;
}

QString EncodeName(const QString &name)
{
    QString text;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == '/')
            text += u'\\';
        else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                 u == '_' || u == '-' || u == '.')
            text += c;
        else if (u <= 0xFF)
            text += QStringLiteral("%%1").arg(u, 2, 16, QChar(u'0')).toUpper();
        else
            text += QStringLiteral("%U%1").arg(u, 4, 16, QChar(u'0')).toUpper();
    }
    return text;
}

bool HasUnclosedQuote(QStringView value)
{
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\')
            ++i;
        else if (value[i] == u'"')
            quoted = !quoted;
    }
    return quoted;
}

QString Unescape(QStringView text)
{
    static constexpr char16_t Plain[] = u"abfnrtv";
    static constexpr char16_t Control[] = u"\a\b\f\n\r\t\v";
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i++];
        if (c == u'"')
            continue;
        if (c != u'\\' || i == text.size()) {
            out += c;
            continue;
        }
        const QChar e = text[i];
        const qsizetype plain = QStringView(Plain).indexOf(e);
        if (plain >= 0) {
            out += QChar(Control[plain]);
            ++i;
        } else if (e == u'x' || (e >= u'0' && e <= u'7')) {
            if (e == u'x')
                ++i;
            const int code = e == u'x' ? ReadDigits(text, i, 16, 4) : ReadDigits(text, i, 8, 3);
            out += QChar(char16_t(code < 0 ? 0 : code));
        } else {
            out += e;
            ++i;
        }
    }
    return out;
}

} // namespace

IniText ParseIni(const QByteArray &text)
{
    IniText ini;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString all = decoder.decode(text);
    ini.damaged = decoder.hasError() || (!text.isEmpty() && !text.endsWith('\n'));

    QString group;
    bool sectionEmpty = false;
    for (QStringView line : QStringView(all).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const bool closed = line.endsWith(u']');
            ini.damaged = ini.damaged || sectionEmpty || !closed;
            // An unclosed section still names its group: "[Clocks" is read as [Clocks].
            const QStringView name = line.mid(1, line.size() - (closed ? 2 : 1)).trimmed();
            group = name == QLatin1StringView(RootSection) ? QString()
                    : name == QLatin1StringView(GeneralGroupSection)
                        ? QString::fromLatin1(RootSection)
                        : DecodeName(name);
            sectionEmpty = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) {
            ini.damaged = true;
            continue;
        }
        const QString name = DecodeName(line.left(equals).trimmed());
        QString value = line.mid(equals + 1).trimmed().toString();
        // Kept to its own line (QSettings would run on to the end of the file), and closed.
        if (HasUnclosedQuote(value)) {
            ini.damaged = true;
            // A backslash at the end would escape the closing quote: it is kept as one.
            if (HasUnclosedQuote(value + u'"'))
                value += u'\\';
            value += u'"';
        }
        ini.values.insert(group.isEmpty() ? name : group + u'/' + name, value);
        sectionEmpty = false;
    }
    ini.damaged = ini.damaged || sectionEmpty;
    return ini;
}

QByteArray WriteIni(const QMap<QString, QString> &values, const QString &firstGroup)
{
    QMap<QString, QByteArray> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        // A key is split into its section and name only where both are named: "Map/" or
        // "/Map/x" kept whole in the root's section, with its slashes escaped, reads back as
        // written.
        qsizetype slash = it.key().indexOf(u'/');
        if (slash == 0 || slash == it.key().size() - 1)
            slash = -1;
        const QString group = slash < 0 ? QString() : it.key().left(slash);
        sections[group] +=
            (EncodeName(it.key().mid(slash + 1)) + u'=' + it.value()).toUtf8() + '\n';
    }
    QByteArray text;
    auto write = [&](const QString &group) {
        const QString name = group.isEmpty() ? QString::fromLatin1(RootSection)
                             : group == QLatin1StringView(RootSection)
                                 ? QString::fromLatin1(GeneralGroupSection)
                                 : EncodeName(group);
        if (!text.isEmpty())
            text += '\n';
        text += '[' + name.toUtf8() + "]\n" + sections.value(group);
    };
    if (sections.contains(firstGroup))
        write(firstGroup);
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        if (it.key() != firstGroup)
            write(it.key());
    return text;
}

QVariant DecodeIniValue(const QString &written)
{
    static constexpr QLatin1StringView Bytes("@ByteArray(");
    if (written.startsWith(Bytes) && written.endsWith(u')'))
        return Unescape(QStringView(written).mid(Bytes.size()).chopped(1)).toLatin1();
    return Unescape(written);
}
