#pragma once
// A course ini held in memory as GBK bytes, read the way the Windows profile functions
// read it: names compared without regard to case, blanks trimmed, the first duplicate wins.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class CourseIni {
public:
    // The classic 1000-byte value buffer: at most 999 bytes of value.
    static constexpr int ValueBytes = 999;

    // Never fails: lines that do not decode are kept with replacement characters and
    // listed in problems().
    static CourseIni parse(const QByteArray& gbk);

    // The value of key in section, cut to maxBytes GBK bytes without splitting a
    // character; empty when the section or key is missing.
    QString value(const QString& section, const QString& key, int maxBytes = ValueBytes) const;
    // The length in GBK bytes of the whole stored value (0 when missing).
    qsizetype valueBytes(const QString& section, const QString& key) const;

    bool hasSection(const QString& section) const;
    // Section names and the keys of one section, in file order, first occurrences only.
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    // One English line per problem met while reading ("line 4: bytes that are not GBK").
    const QStringList& problems() const { return problems_; }

private:
    struct Entry {
        QString key;
        QByteArray value; // GBK, trimmed, quotes removed
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        QHash<QString, qsizetype> index; // folded key -> entries position
    };

    const Section* findSection(const QString& section) const;
    const Entry* find(const QString& section, const QString& key) const;

    std::vector<Section> sections_;
    QHash<QString, qsizetype> sectionIndex_; // folded name -> sections_ position
    QStringList problems_;
};

// Decodes GBK bytes; invalid bytes become replacement characters and set *valid to false.
QString decodeGbk(const QByteArray& bytes, bool* valid = nullptr);
// Encodes text as GBK; characters GBK lacks set *valid to false.
QByteArray encodeGbk(const QString& text, bool* valid = nullptr);
// The longest prefix of bytes that fits maxBytes and does not end inside a GBK character.
QByteArray cutGbk(const QByteArray& bytes, qsizetype maxBytes);
