#include "ContentIni.h"

#include "Fatal.h"

#include <QFile>

QString IniSection::value(const QString& key) const {
    for (const auto& [k, v] : entries)
        if (k == key) return v;
    return {};
}

ContentIni ContentIni::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fatal(QStringLiteral("cannot read %1").arg(path));
    return parse(QString::fromUtf8(file.readAll()));
}

ContentIni ContentIni::parse(const QString& text) {
    ContentIni ini;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            ini.m_sections.append({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || ini.m_sections.isEmpty())
            fatal(QStringLiteral("not an ini line: %1").arg(line));
        ini.m_sections.last().entries.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return ini;
}

const IniSection* ContentIni::section(const QString& name) const {
    for (const IniSection& s : m_sections)
        if (s.name == name) return &s;
    return nullptr;
}

QString ContentIni::value(const QString& sectionName, const QString& key) const {
    const IniSection* s = section(sectionName);
    return s ? s->value(key) : QString();
}

QStringList ContentIni::items(const QString& sectionName, const QString& key) const {
    const QString v = value(sectionName, key);
    return v.isEmpty() ? QStringList() : v.split(QLatin1Char(' '));
}

QString ContentIni::windowsText() const {
    QString text;
    for (const IniSection& s : m_sections) {
        text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const auto& [k, v] : s.entries)
            text += k + QLatin1Char('=') + v + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text;
}
