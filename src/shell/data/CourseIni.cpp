#include "shell/data/CourseIni.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Blanks and the structural characters below are all under 0x40, so they never occur as
// the second byte of a GBK character and the raw bytes can be cut at them safely.
QByteArray trimmed(QByteArray bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.mid(begin, end - begin);
}

// GetPrivateProfileString drops one pair of matching quotes around a value.
QByteArray withoutQuotes(const QByteArray& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QString folded(const QString& name)
{
    return name.toCaseFolded();
}

} // namespace

QString decodeGbk(const QByteArray& bytes, bool* valid)
{
    // Most lines (keys, numbers, stroke points) are plain ASCII, which GBK leaves as it is;
    // opening a converter for each of them would cost more than the reading itself.
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; })) {
        if (valid) *valid = true;
        return QString::fromLatin1(bytes);
    }
    // Stateless: a lead byte cut off at the end is an error here, not held for a next call.
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (valid) *valid = !decoder.hasError();
    return text;
}

QByteArray encodeGbk(const QString& text, bool* valid)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (valid) *valid = !encoder.hasError();
    return bytes;
}

QByteArray cutGbk(const QByteArray& bytes, qsizetype maxBytes)
{
    if (bytes.size() <= maxBytes) return bytes;
    if (maxBytes <= 0) return {};
    qsizetype end = 0;
    while (end < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[end]);
        const qsizetype width = (lead >= 0x81 && lead <= 0xFE) ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return bytes.left(end);
}

CourseIni CourseIni::parse(const QByteArray& gbk)
{
    CourseIni ini;
    Section* current = nullptr; // null before the first section and inside a duplicate
    const QList<QByteArray> lines = gbk.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QByteArray line = lines[n];
        if (line.endsWith('\r')) line.chop(1);
        line = trimmed(line);
        if (line.isEmpty() || line.front() == ';') continue;
        // A lone carriage return does not end a line here; it stays in the name or value.
        if (line.contains('\r'))
            ini.problems_
                << QStringLiteral("line %1: a carriage return inside the line").arg(n + 1);

        bool valid = true;
        const QString text = decodeGbk(line, &valid);
        if (!valid) ini.problems_ << QStringLiteral("line %1: bytes that are not GBK").arg(n + 1);

        if (line.front() == '[') {
            const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
            if (close < 0) {
                ini.problems_ << QStringLiteral("line %1: section name without ]").arg(n + 1);
                current = nullptr;
                continue;
            }
            const QString name = text.mid(1, close - 1).trimmed();
            if (ini.sectionIndex_.contains(folded(name))) {
                current = nullptr;
                continue;
            }
            ini.sectionIndex_.insert(folded(name), qsizetype(ini.sections_.size()));
            ini.sections_.push_back({name, {}, {}});
            current = &ini.sections_.back();
            continue;
        }
        if (!current) continue;

        const qsizetype eq = line.indexOf('=');
        const QByteArray rawKey = eq < 0 ? line : line.left(eq);
        const QString key = decodeGbk(trimmed(rawKey)).trimmed();
        if (current->index.contains(folded(key))) continue;
        const QByteArray value = eq < 0 ? QByteArray() : withoutQuotes(trimmed(line.mid(eq + 1)));
        current->index.insert(folded(key), qsizetype(current->entries.size()));
        current->entries.push_back({key, value});
    }
    return ini;
}

const CourseIni::Section* CourseIni::findSection(const QString& section) const
{
    const auto it = sectionIndex_.constFind(folded(section));
    return it == sectionIndex_.cend() ? nullptr : &sections_[*it];
}

const CourseIni::Entry* CourseIni::find(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    if (!s) return nullptr;
    const auto it = s->index.constFind(folded(key));
    return it == s->index.cend() ? nullptr : &s->entries[*it];
}

QString CourseIni::value(const QString& section, const QString& key, int maxBytes) const
{
    const Entry* entry = find(section, key);
    return entry ? decodeGbk(cutGbk(entry->value, maxBytes)) : QString();
}

qsizetype CourseIni::valueBytes(const QString& section, const QString& key) const
{
    const Entry* entry = find(section, key);
    return entry ? entry->value.size() : 0;
}

bool CourseIni::hasSection(const QString& section) const
{
    return findSection(section);
}

QStringList CourseIni::sections() const
{
    QStringList names;
    for (const Section& s : sections_)
        names << s.name;
    return names;
}

QStringList CourseIni::keys(const QString& section) const
{
    QStringList names;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            names << e.key;
    return names;
}
