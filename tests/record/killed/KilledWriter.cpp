// Writes answers to a record of play as fast as it can and prints the number of each one
// once it is written, until it is killed: the parent test kills it mid-write.

#include "shell/record/RecordWriter.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) return 64;
    RecordWriter record(QString::fromLocal8Bit(argv[1]), [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::_Exit(1);
    });
    record.add({PlayEvent::Kind::Opened, 0, QStringLiteral("数学"), QString(),
                QStringLiteral("FrmXunxushsh"), QStringLiteral("数数")});
    for (qint64 n = 1;; ++n) {
        record.add({n % 3 ? PlayEvent::Kind::Right : PlayEvent::Kind::Wrong, n,
                    QStringLiteral("数学"), QString(), QStringLiteral("FrmXunxushsh"), QString()});
        record.flush();
        std::printf("%lld\n", static_cast<long long>(n));
        std::fflush(stdout);
    }
}
