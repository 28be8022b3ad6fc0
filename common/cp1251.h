#pragma once

#include <QByteArray>
#include <QString>

namespace common {

// Windows-1251, the code page of every data file. Characters that the code page lacks are
// written as "?".
QString decodeCp1251(const QByteArray &bytes);
QByteArray encodeCp1251(QStringView text);

} // namespace common
