#include "LinkComposition.h"

#include "markup/TagCase.h"

namespace dialogs {

Composed anchorElement(const LinkFields& f, bool lower)
{
    if (f.address.isEmpty()) return {{}, QStringLiteral("No address is specified.")};
    if (f.description.isEmpty()) return {{}, QStringLiteral("No description is specified.")};
    QString element = QString::fromLatin1(markup::byTagCase(lower, "<a href=\"", "<A HREF=\"")) + f.address;
    if (!f.target.isEmpty())
        element += QString::fromLatin1(markup::byTagCase(lower, "\" target=\"", "\" TARGET=\"")) + f.target;
    element += QStringLiteral("\">") + f.description + QString::fromLatin1(markup::byTagCase(lower, "</a>", "</A>"));
    return {element, {}};
}

QString mailElement(const MailFields& f, bool lower)
{
    return QString::fromLatin1(markup::byTagCase(lower, "<a href=\"mailto:", "<A HREF=\"mailto:")) + f.address +
           QStringLiteral("\">") + f.description + QString::fromLatin1(markup::byTagCase(lower, "</a>", "</A>"));
}

QString styleSheetLink(const QString& file, bool lower)
{
    return QString::fromLatin1(
               markup::byTagCase(lower, "<link rel=stylesheet href=\"", "<LINK REL=STYLESHEET HREF=\"")) +
           file + QString::fromLatin1(markup::byTagCase(lower, "\" type=\"text/css\">", "\" TYPE=\"text/css\">"));
}

}  // namespace dialogs
