#include "shell/windows/Product.h"

#include <QCoreApplication>
#include <QVersionNumber>

QString Product::versionText()
{
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("%1.%2.%3")
        .arg(v.majorVersion())
        .arg(v.minorVersion())
        .arg(v.microVersion());
}
