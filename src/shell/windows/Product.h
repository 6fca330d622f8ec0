#pragma once
// What the help and About windows say about the program itself.

#include <QString>

namespace Product {

inline const QString Name = QStringLiteral("Mindlark");
// The project's page, opened by the web links of the help and About windows.
inline const QString WebAddress = QStringLiteral("https://github.com/mindlark/mindlark");
// The handbook page in the data folder.
inline const QString Handbook = QStringLiteral("mindlark_handbook.htm");

// "主.次.修订" of the program version, as set by Main; 0.0.0 when none is set.
QString versionText();

} // namespace Product
