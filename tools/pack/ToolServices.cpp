#include "ToolServices.h"

#include <QElapsedTimer>
#include <cstdio>

MessageAnswer ToolServices::message(const QString& text, MessageIcon, MessageButtons,
                                    const QString&)
{
    warn(text);
    return MessageAnswer::Ok;
}

qint64 ToolServices::tickCount()
{
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock.elapsed();
}

void ToolServices::warn(const QString& line)
{
    lines << line;
    if (echo_) std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}
