// Lets GoogleTest print Qt strings as text in failure messages.
#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
