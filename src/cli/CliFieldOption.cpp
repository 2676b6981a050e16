// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliFieldOption.h"

namespace cardisto {

std::optional<ConversionChoice> parseFieldsOption(const QString& text)
{
    const QString lowered = text.trimmed().toLower();
    if (lowered == u"all")
        return ConversionChoice::allFields();
    FieldGroups groups;
    if (lowered == u"none")
        return ConversionChoice::someFields(groups);
    for (const QString& piece : lowered.split(u',')) {
        const QString name = piece.trimmed();
        if (name == u"emails")
            groups.emails = true;
        else if (name == u"phones")
            groups.phones = true;
        else if (name == u"names")
            groups.names = true;
        else if (name == u"addresses")
            groups.addresses = true;
        else
            return std::nullopt;
    }
    return ConversionChoice::someFields(groups);
}

QString unknownFieldListMessage(const QString& text)
{
    return QStringLiteral("Unknown field list: %1 (use all, none, or emails,phones,names,addresses)").arg(text);
}

} // namespace cardisto
