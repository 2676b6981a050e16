// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcardField.h"

#include "AsciiText.h"

namespace cardisto {

VcardField vcardFieldNamed(std::string_view name)
{
    // One look at the length and the first letter rules out most names (PHOTO, VERSION, X-...).
    switch (name.size()) {
    case 1:
        return ascii::upper(name[0]) == 'N' ? VcardField::N : VcardField::Other;
    case 2:
        return ascii::equalsUpper(name, "FN") ? VcardField::FN : VcardField::Other;
    case 3:
        switch (ascii::upper(name[0])) {
        case 'O':
            return ascii::equalsUpper(name, "ORG") ? VcardField::Org : VcardField::Other;
        case 'T':
            return ascii::equalsUpper(name, "TEL") ? VcardField::Tel : VcardField::Other;
        case 'A':
            return ascii::equalsUpper(name, "ADR") ? VcardField::Adr : VcardField::Other;
        case 'U':
            return ascii::equalsUpper(name, "URL") ? VcardField::Url : VcardField::Other;
        default:
            return VcardField::Other;
        }
    case 4:
        switch (ascii::upper(name[0])) {
        case 'B':
            return ascii::equalsUpper(name, "BDAY") ? VcardField::BDay : VcardField::Other;
        case 'R':
            return ascii::equalsUpper(name, "ROLE") ? VcardField::Role : VcardField::Other;
        case 'N':
            return ascii::equalsUpper(name, "NOTE") ? VcardField::Note : VcardField::Other;
        default:
            return VcardField::Other;
        }
    case 5:
        switch (ascii::upper(name[0])) {
        case 'E':
            return ascii::equalsUpper(name, "EMAIL") ? VcardField::Email : VcardField::Other;
        case 'T':
            return ascii::equalsUpper(name, "TITLE") ? VcardField::Title : VcardField::Other;
        default:
            return VcardField::Other;
        }
    case 8:
        return ascii::equalsUpper(name, "NICKNAME") ? VcardField::Nickname : VcardField::Other;
    default:
        return VcardField::Other;
    }
}

bool fieldTaken(VcardField field, const ConversionChoice& choice)
{
    if (choice.mode == FieldMode::AllFields)
        return field != VcardField::Other;
    switch (field) {
    case VcardField::Email:
        return choice.groups.emails;
    case VcardField::Tel:
        return choice.groups.phones;
    case VcardField::N:
        return choice.groups.names;
    case VcardField::Adr:
        return choice.groups.addresses;
    default:
        return false;
    }
}

} // namespace cardisto
