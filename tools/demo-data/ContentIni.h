#pragma once
// A readable UTF-8 ini file of the demo content: ordered sections of ordered key=value
// lines, with '#' comment lines for the people who edit it.

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

struct IniSection {
    QString name;
    QList<std::pair<QString, QString>> entries;

    QString value(const QString& key) const;
};

class ContentIni {
public:
    static ContentIni load(const QString& path);
    static ContentIni parse(const QString& text);

    const QList<IniSection>& sections() const { return m_sections; }
    const IniSection* section(const QString& name) const;
    QString value(const QString& section, const QString& key) const;
    // The value split into item names at single spaces, as the program reads it.
    QStringList items(const QString& section, const QString& key) const;

    // The text a Windows ini reader expects: comments dropped, CRLF line ends.
    QString windowsText() const;

private:
    QList<IniSection> m_sections;
};
