#include "MemoryUse.h"

#include <QByteArray>
#include <QFile>
#include <malloc.h>

double residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return 0;
}

double heapInUseKiB()
{
    return double(mallinfo2().uordblks) / 1024;
}
