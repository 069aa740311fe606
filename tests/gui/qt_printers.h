// Readable QString values in test failure messages.
#pragma once

#include <ostream>

#include <QString>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE
