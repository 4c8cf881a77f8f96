// The elements of the anchor, e-mail and style-sheet dialogs, composed from
// plain structs of their fields in the author's tag case. Field texts go in as
// typed: no trimming, no escaping, no check of an address's form.
#pragma once

#include <QString>

namespace dialogs {

// What a dialog's OK makes of its fields: the text to insert, or a warning
// that refuses them (the dialog then stays open and nothing is inserted).
struct Composed {
    QString text;
    QString warning;
    bool refused() const { return !warning.isEmpty(); }
};

struct LinkFields {
    QString address = QStringLiteral("http://");
    QString description;
    QString target;
};
// <a href="ADDR" target="FRAME">DESC</a>; the target attribute only when one
// is given. Refused without an address, then without a description.
Composed anchorElement(const LinkFields& fields, bool lower);

struct MailFields {
    QString address;
    QString description;
};
// <a href="mailto:ADDR">DESC</a>; the scheme stays lower case.
QString mailElement(const MailFields& fields, bool lower);

// <link rel=stylesheet href="FILE" type="text/css">; the type stays lower case.
QString styleSheetLink(const QString& file, bool lower);

}  // namespace dialogs
