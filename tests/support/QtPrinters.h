// Qt's strings as text in GoogleTest's failure messages (and in lists of
// them), rather than as their bytes; included in every test source by
// tests/CMakeLists.txt.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
