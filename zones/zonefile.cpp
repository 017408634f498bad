// SPDX-License-Identifier: MIT

#include "zones/zonefile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t HeaderSize = 44;
// No compiled zone comes near this; anything larger is not read.
constexpr std::size_t MaxFileSize = 64 * 1024;

// QTimeZone's own limits for a file: it refuses one beyond them, and so does this reader.
constexpr quint32 MaxTimes = 1200;
constexpr quint32 MaxTypes = 256;
constexpr quint32 MaxChars = 50;
constexpr quint32 MaxLeaps = 50;

quint32 Be32(const unsigned char *p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

qint64 Be64(const unsigned char *p)
{
    return qint64(quint64(Be32(p)) << 32 | Be32(p + 4));
}

struct Header
{
    char version = 0;
    quint32 isUtc = 0, isStd = 0, leaps = 0, times = 0, types = 0, chars = 0;

    // The size of the block after the header, with times of timeSize bytes.
    std::size_t BlockSize(std::size_t timeSize) const
    {
        return std::size_t(times) * (timeSize + 1) + std::size_t(types) * 6 + chars +
               std::size_t(leaps) * (timeSize + 4) + isStd + isUtc;
    }
};

bool ReadHeader(const unsigned char *p, std::size_t size, Header &h)
{
    if (size < HeaderSize || std::memcmp(p, "TZif", 4) != 0)
        return false;
    h.version = char(p[4]);
    h.isUtc = Be32(p + 20);
    h.isStd = Be32(p + 24);
    h.leaps = Be32(p + 28);
    h.times = Be32(p + 32);
    h.types = Be32(p + 36);
    h.chars = Be32(p + 40);
    return h.types > 0 && h.times <= MaxTimes && h.types <= MaxTypes && h.chars <= MaxChars &&
           h.leaps <= MaxLeaps && h.isUtc <= h.types && h.isStd <= h.types;
}

// The footer's rule is a standard time alone, with no daylight saving: "JST-9", "<+03>-3".
// Gives its offset east of UTC.
bool FixedRule(const char *p, const char *end, int &offset)
{
    if (p < end && *p == '<') {
        const char *close = static_cast<const char *>(std::memchr(p, '>', std::size_t(end - p)));
        if (!close || close - p < 4)
            return false;
        p = close + 1;
    } else {
        const char *name = p;
        while (p < end && ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z')))
            ++p;
        if (p - name < 3)
            return false;
    }
    int sign = -1; // the rule counts west of UTC
    if (p < end && (*p == '+' || *p == '-'))
        sign = *p++ == '-' ? 1 : -1;
    int parts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (p == end || *p != ':')
                break;
            ++p;
        }
        const char *digits = p;
        while (p < end && *p >= '0' && *p <= '9' && p - digits < 3)
            parts[i] = parts[i] * 10 + (*p++ - '0');
        if (p == digits)
            return false;
    }
    if (p != end || parts[0] > 24 || parts[1] > 59 || parts[2] > 59)
        return false;
    offset = sign * (parts[0] * 3600 + parts[1] * 60 + parts[2]);
    return true;
}

} // namespace

namespace {

std::string &Folder()
{
    static std::string folder = "/usr/share/zoneinfo";
    return folder;
}

} // namespace

void ZoneFile::SetFolderForTesting(const char *folder)
{
    Folder() = folder ? folder : "/usr/share/zoneinfo";
}

std::optional<ZoneFile> ZoneFile::Read(const char *zoneId)
{
    if (!zoneId || !*zoneId || *zoneId == '/' || std::strstr(zoneId, ".."))
        return std::nullopt;
    // Some versions of Qt read $TZDIR and others do not: with it set, which file the clocks
    // read is not known here.
    if (const char *dir = std::getenv("TZDIR"); dir && *dir)
        return std::nullopt;
    const std::string path = Folder() + '/' + zoneId;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // One read: a regular file gives all it has, and a file read short fails to parse, which
    // only sends the caller to QTimeZone.
    std::array<char, MaxFileSize> buffer;
    const ssize_t size = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    if (size <= 0 || std::size_t(size) == buffer.size()) // too large to be a zone
        return std::nullopt;
    return Parse(QByteArrayView(buffer.data(), qsizetype(size)));
}

std::optional<ZoneFile> ZoneFile::Parse(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const std::size_t size = std::size_t(bytes.size());
    Header h1;
    if (!ReadHeader(data, size, h1) || h1.version < '2')
        return std::nullopt;
    // The first block, of 32-bit times, is only stepped over.
    const std::size_t second = HeaderSize + h1.BlockSize(4);
    Header h;
    if (second > size || !ReadHeader(data + second, size - second, h) || h.version < '2')
        return std::nullopt;
    const unsigned char *times = data + second + HeaderSize;
    const std::size_t footer = second + HeaderSize + h.BlockSize(8);
    if (footer + 2 > size || data[footer] != '\n')
        return std::nullopt;
    const unsigned char *indices = times + std::size_t(h.times) * 8;
    const unsigned char *types = indices + h.times;
    const unsigned char *chars = types + std::size_t(h.types) * 6;
    const auto *ruleBegin = reinterpret_cast<const char *>(data + footer + 1);
    const auto *ruleEnd =
        static_cast<const char *>(std::memchr(ruleBegin, '\n', size - footer - 1));
    if (!ruleEnd)
        return std::nullopt;

    struct Type
    {
        int offset;
        bool dst;
    };
    std::array<Type, MaxTypes> typeList;
    for (quint32 i = 0; i < h.types; ++i) {
        const unsigned char *t = types + std::size_t(i) * 6;
        const qint64 offset = qint32(Be32(t));
        // Every abbreviation must end inside the characters.
        if (offset < -86400 || offset > 86400 || t[4] > 1 || t[5] >= h.chars ||
            !std::memchr(chars + t[5], '\0', h.chars - t[5]))
            return std::nullopt;
        typeList[i] = {int(offset), t[4] != 0};
    }

    ZoneFile zone;
    zone.m_transitions.reserve(h.times);
    // The standard offset of each transition, inferred as QTimeZone infers it: from the last
    // standard time met, unless a daylight time's offset from it differs from the last daylight
    // shift; then the end of that daylight time may tell a better standard offset.
    int standard = typeList[0].offset;
    for (quint32 i = 0; i < h.times; ++i) {
        if (indices[i] >= h.types)
            return std::nullopt;
        if (!typeList[indices[i]].dst) {
            standard = typeList[indices[i]].offset;
            break;
        }
    }
    int lastShift = 3600;
    for (quint32 i = 0; i < h.times; ++i) {
        const TimeValue at = Be64(times + std::size_t(i) * 8);
        if (i > 0 && at <= zone.m_transitions.back().at)
            return std::nullopt;
        const Type &type = typeList[indices[i]];
        if (!type.dst) {
            standard = type.offset;
        } else if (type.offset != standard + lastShift) {
            const int inferred = type.offset - lastShift;
            for (quint32 j = i + 1; j < h.times; ++j) {
                const Type &end = typeList[indices[j]];
                if (end.dst)
                    continue;
                const int after = end.offset;
                if (after == standard) {
                    // the end tells nothing new
                } else if (after == inferred) {
                    standard = after;
                } else if (type.offset - 3600 == standard) {
                    // an hour from the start's standard time
                } else if (type.offset - 3600 == after) {
                    standard = after;
                } else if (after < type.offset
                               ? (standard >= type.offset ||
                                  std::abs(after - inferred) < std::abs(standard - inferred))
                               : (standard >= type.offset &&
                                  std::abs(after - inferred) < std::abs(standard - inferred))) {
                    standard = after;
                }
                break;
            }
            lastShift = type.offset - standard;
        }
        zone.m_transitions.push_back({at, type.offset, standard});
    }

    int fixed = 0;
    if (FixedRule(ruleBegin, ruleEnd, fixed)) {
        // The rule must carry on the last transition's standard time, or nothing is told past
        // it.
        if (zone.m_transitions.empty())
            zone.m_fixedTail = typeList[0].offset == fixed && !typeList[0].dst;
        else
            zone.m_fixedTail = zone.m_transitions.back().offset == fixed &&
                               zone.m_transitions.back().standard == fixed;
        zone.m_fixedOffset = fixed;
    }
    if (zone.m_transitions.empty() && !zone.m_fixedTail)
        return std::nullopt;
    return zone;
}

namespace {

// The first transition after t.
template <class List> auto FirstAfter(const List &list, TimeValue t)
{
    return std::upper_bound(list.begin(), list.end(), t,
                            [](TimeValue v, const auto &tr) { return v < tr.at; });
}

} // namespace

ZoneOffsets ZoneFile::At(TimeValue t) const
{
    if (m_transitions.empty())
        return {true, t, m_fixedOffset, m_fixedOffset};
    if (t > m_transitions.back().at && !m_fixedTail)
        return Beyond();
    const auto it = FirstAfter(m_transitions, t);
    if (it == m_transitions.begin())
        return Beyond(); // before the first transition, which no list asks about
    return {true, t, std::prev(it)->offset, std::prev(it)->standard};
}

ZoneOffsets ZoneFile::After(TimeValue t) const
{
    const auto it = FirstAfter(m_transitions, t);
    if (it != m_transitions.end())
        return {true, it->at, it->offset, it->standard};
    return m_fixedTail ? ZoneOffsets{} : Beyond();
}

ZoneOffsets ZoneFile::Before(TimeValue t) const
{
    if (m_transitions.empty())
        return {};
    if (t > m_transitions.back().at && !m_fixedTail)
        return Beyond();
    // The transition before t is the last one before the first at or after t.
    const auto it = FirstAfter(m_transitions, t - 1);
    if (it == m_transitions.begin())
        return {};
    return {true, std::prev(it)->at, std::prev(it)->offset, std::prev(it)->standard};
}
