// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactBuilder.h"
#include "ContactRow.h"
#include "ValueEscapes.h"
#include "ValueText.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cardisto {

class PropertyLine;

// Reads the contacts of a vCard file, read as the standard defines it (see StandardConversion):
// one contact from each BEGIN:VCARD to its END:VCARD. A card inside another (vCard 2.1's AGENT)
// belongs to the contact around it and gives nothing of its own; a card whose END is missing at
// the end of the file is still a contact; lines outside any card are passed over.
//
// A contact's fields: names from its first N (family;given;additional;prefix;suffix), the
// phonetic names Google and Apple write (X-PHONETIC-FIRST-NAME, -MIDDLE-, -LAST-), nicknames,
// "File As" from the first FN, organisation and department from the first ORG, titles, the
// birthday, the notes, the categories as labels, and every e-mail, phone, address and website in
// file order with its label (ContactLabels), or the label Apple gives its group (item1.X-ABLabel).
// Values whose text is empty as written are left out.
class ContactReader {
public:
    enum class Reading {
        Values,
        // Only how many e-mails, phones, addresses and websites each contact has: what a table
        // needs to know of its columns before its first row, read for less than the values cost.
        CountsOnly,
    };
    // Hears every contact once it has ended; the row is valid during the call. False stops the
    // reading: nothing more is read or heard.
    using ContactSink = std::function<bool(const ContactRow&)>;

    ContactReader(FileBytes file, Reading reading, ContactSink sink);

    // Reads a stretch of the file that begins a logical line and ends just after one (or at the
    // end of the file).
    void readLines(std::string_view text);
    // The end of the file: a contact still open is one.
    void finish();

private:
    using View = std::string_view;
    // The properties a contact is read from.
    enum class Property {
        Other,
        Begin,
        End,
        N,
        FN,
        Nickname,
        Org,
        Title,
        BDay,
        Note,
        Categories,
        Email,
        Tel,
        Adr,
        Url,
        PhoneticFirstName,
        PhoneticMiddleName,
        PhoneticLastName,
        AppleLabel,
    };
    static Property propertyNamed(View name);
    static bool isEntry(Property kind);

    void visit(const PropertyLine& property);
    void startContact();
    void endContact();
    void takeValues(const PropertyLine& property, Property kind, const ValueForm& form);
    int addEntry(const PropertyLine& property, ContactGroup group);
    void takeAppleLabel(const PropertyLine& property, View text);
    bool takeOnce(Property kind, View text);
    View plain(View text, LineBreaks breaks = LineBreaks::ToBlank);
    void append(ContactField field, View text, View separator);
    void takeName(View text);
    void takeOrganization(View text);
    void takeAddress(const PropertyLine& property, int entry, View text);

    ValueDecoder m_decoder;
    Reading m_reading;
    ContactSink m_sink;
    ContactBuilder m_contact;
    ContactRow m_row;
    int m_depth = 0;
    bool m_atFileStart = true;
    bool m_stopped = false;
    // The kinds of property a contact takes from the first of their kind only, once taken.
    std::vector<Property> m_taken;
    // Entries of a group (item1.EMAIL), and Apple labels whose group has no entry yet.
    struct GroupedEntry {
        std::string group;
        ContactGroup kind;
        int entry;
    };
    std::vector<GroupedEntry> m_groupedEntries;
    std::vector<std::pair<std::string, std::string>> m_waitingLabels;
    std::string m_scratch;
    std::string m_label;
    std::string m_labelText;
};

} // namespace cardisto
