#include "shell/record/PlayFigures.h"

#include <QStringList>
#include <algorithm>

namespace {

QString areaName(const QString& area)
{
    return area.isEmpty() ? QStringLiteral("—") : area;
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Pads to a width in terminal columns, a CJK character taking two.
QString padded(const QString& text, int columns)
{
    int used = 0;
    for (QChar c : text)
        used += c.unicode() >= 0x2E80 ? 2 : 1;
    return text + QString(std::max(1, columns - used), QLatin1Char(' '));
}

} // namespace

qint64 PlayFigures::secondsOn(const QDate& day) const
{
    qint64 total = 0;
    for (const AreaDay& d : days)
        if (d.day == day) total += d.seconds;
    return total;
}

QString playedTime(qint64 seconds)
{
    if (seconds < 60) return QStringLiteral("%1秒").arg(seconds);
    const qint64 minutes = seconds / 60;
    if (minutes < 60) return QStringLiteral("%1分").arg(minutes);
    return minutes % 60 == 0 ? QStringLiteral("%1小时").arg(minutes / 60)
                             : QStringLiteral("%1小时%2分").arg(minutes / 60).arg(minutes % 60);
}

QString shareRight(int right, int rounds)
{
    if (rounds <= 0) return QStringLiteral("—");
    return QStringLiteral("%1%").arg(qRound(100.0 * right / rounds));
}

QString figuresText(const PlayFigures& figures, int mostPlayed)
{
    if (figures.empty()) return QStringLiteral("没有学习记录\n");
    QString out;
    out += padded(QStringLiteral("日期"), 12) + padded(QStringLiteral("领域"), 12) +
           padded(QStringLiteral("时长"), 12) + padded(QStringLiteral("回合"), 8) +
           QStringLiteral("答对\n");
    for (const AreaDay& d : figures.days)
        out += padded(d.day.toString(Qt::ISODate), 12) + padded(areaName(d.area), 12) +
               padded(playedTime(d.seconds), 12) + padded(QString::number(d.rounds), 8) +
               shareRight(d.right, d.rounds) + QLatin1Char('\n');
    out += QStringLiteral("\n玩得最多\n");
    const int shown = std::min<int>(mostPlayed, int(figures.windows.size()));
    for (int i = 0; i < shown; ++i) {
        const WindowFigures& w = figures.windows[std::size_t(i)];
        out += padded(w.title, 24) + padded(playedTime(w.seconds), 12) +
               padded(QString::number(w.rounds), 8) + shareRight(w.right, w.rounds) +
               QLatin1Char('\n');
    }
    return out;
}

QString figuresCsv(const PlayFigures& figures)
{
    QStringList lines{QStringLiteral("日期,领域,时长(秒),回合,答对,答对率")};
    for (const AreaDay& d : figures.days)
        lines << QStringList{d.day.toString(Qt::ISODate),
                             csvField(d.area),
                             QString::number(d.seconds),
                             QString::number(d.rounds),
                             QString::number(d.right),
                             d.rounds ? shareRight(d.right, d.rounds) : QString()}
                     .join(QLatin1Char(','));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
