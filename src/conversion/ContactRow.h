// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace cardisto {

// The fields of a contact that hold one text each, in the order of the table's columns.
enum class ContactField {
    FirstName,
    MiddleName,
    LastName,
    PhoneticFirstName,
    PhoneticMiddleName,
    PhoneticLastName,
    NamePrefix,
    NameSuffix,
    Nickname,
    FileAs,
    OrganizationName,
    OrganizationTitle,
    OrganizationDepartment,
    Birthday,
    Notes,
    Labels,
};
inline constexpr int kContactFieldCount = 16;

// The fields a contact may hold any number of, in file order: each entry is a few parts.
enum class ContactGroup { Email, Phone, Address, Website };
inline constexpr int kContactGroupCount = 4;
inline constexpr std::array<ContactGroup, kContactGroupCount> kContactGroups{
    ContactGroup::Email, ContactGroup::Phone, ContactGroup::Address, ContactGroup::Website};

// The parts of an e-mail, phone or website entry.
enum LabeledPart { kLabelPart = 0, kValuePart = 1 };
// The parts of an address entry; the label comes first here too.
enum AddressPart {
    kAddressLabel = 0,
    kAddressFormatted,
    kAddressStreet,
    kAddressCity,
    kAddressPoBox,
    kAddressRegion,
    kAddressPostalCode,
    kAddressCountry,
    kAddressExtended,
};

constexpr int partCount(ContactGroup group)
{
    return group == ContactGroup::Address ? 9 : 2;
}

// How many entries of each group, indexed by ContactGroup.
using GroupCounts = std::array<int, kContactGroupCount>;

// One contact as texts (UTF-8), every field and every part of every entry: views of texts that
// someone else owns. The cells are kept in one order, the fields first, then each group's entries
// part by part, so that a row is stored and read back in one sweep.
class ContactRow {
public:
    // Sizes the row for these counts, every cell empty.
    void reset(const GroupCounts& counts);

    std::string_view field(ContactField field) const { return m_cells[size_t(field)]; }
    int count(ContactGroup group) const { return m_counts[size_t(group)]; }
    const GroupCounts& counts() const { return m_counts; }
    std::string_view part(ContactGroup group, int entry, int part) const
    {
        return m_cells[cellIndex(group, entry, part)];
    }

    // Every cell by its place in the row's order.
    int cellCount() const { return int(m_cells.size()); }
    std::string_view& cell(int index) { return m_cells[size_t(index)]; }
    std::string_view cell(int index) const { return m_cells[size_t(index)]; }
    size_t cellIndex(ContactGroup group, int entry, int part) const
    {
        return size_t(m_groupStarts[size_t(group)] + entry * partCount(group) + part);
    }

private:
    std::vector<std::string_view> m_cells;
    GroupCounts m_counts{};
    std::array<int, kContactGroupCount> m_groupStarts{};
};

// Each group's largest count of the two.
GroupCounts largerCounts(const GroupCounts& a, const GroupCounts& b);

} // namespace cardisto
