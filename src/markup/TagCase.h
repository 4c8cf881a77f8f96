// The author's tag case (TagCase): generated markup is written in lower case
// (true, the default) or in upper case; only ASCII letters change.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace markup {

// Lower-cases (lower == true) or upper-cases a literal; only ASCII letters change.
std::string toTagCase(std::string_view literal, bool lower);
QString toTagCase(const QString& literal, bool lower);
// Chooses between the lower- and upper-case forms of a literal.
inline const char* byTagCase(bool lower, const char* lowerForm, const char* upperForm)
{
    return lower ? lowerForm : upperForm;
}

}  // namespace markup
