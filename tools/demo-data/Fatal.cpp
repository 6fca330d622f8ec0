#include "Fatal.h"

#include <cstdio>
#include <cstdlib>

void fatal(const QString& message) {
    std::fprintf(stderr, "mindlark-demo-data: %s\n", message.toLocal8Bit().constData());
    std::exit(1);
}
