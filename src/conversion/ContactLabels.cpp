// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactLabels.h"

#include "AsciiText.h"
#include "PropertyLine.h"

#include <array>

namespace cardisto {

namespace {

enum class WordKind { Place, Kind, None };

struct TypeWord {
    std::string_view word; // upper case
    std::string_view label;
    WordKind kind;
};

constexpr std::array kTypeWords{
    TypeWord{"HOME", "Home", WordKind::Place},    TypeWord{"WORK", "Work", WordKind::Place},
    TypeWord{"OTHER", "Other", WordKind::Place},  TypeWord{"CELL", "Mobile", WordKind::Kind},
    TypeWord{"MOBILE", "Mobile", WordKind::Kind}, TypeWord{"FAX", "Fax", WordKind::Kind},
    TypeWord{"PAGER", "Pager", WordKind::Kind},   TypeWord{"MAIN", "Main", WordKind::Kind},
    TypeWord{"CAR", "Car", WordKind::Kind},       TypeWord{"VIDEO", "Video", WordKind::Kind},
    TypeWord{"ISDN", "ISDN", WordKind::Kind},     TypeWord{"BBS", "BBS", WordKind::Kind},
    TypeWord{"MODEM", "Modem", WordKind::Kind},   TypeWord{"TEXTPHONE", "Textphone", WordKind::Kind},
    TypeWord{"TEXT", "Text", WordKind::Kind},     TypeWord{"IPHONE", "iPhone", WordKind::Kind},
    TypeWord{"MSG", "Message", WordKind::Kind},   TypeWord{"PCS", "PCS", WordKind::Kind},
    TypeWord{"PREF", {}, WordKind::None},         TypeWord{"VOICE", {}, WordKind::None},
    TypeWord{"INTERNET", {}, WordKind::None},     TypeWord{"X400", {}, WordKind::None},
    TypeWord{"POSTAL", {}, WordKind::None},       TypeWord{"PARCEL", {}, WordKind::None},
    TypeWord{"DOM", {}, WordKind::None},          TypeWord{"INTL", {}, WordKind::None},
};

void appendWord(std::string& text, std::string_view word)
{
    if (!text.empty())
        text.push_back(' ');
    text.append(word);
}

bool containsWord(std::string_view text, std::string_view word)
{
    size_t from = 0;
    while (from <= text.size()) {
        const size_t end = std::min(text.find(' ', from), text.size());
        if (text.substr(from, end - from) == word)
            return true;
        from = end + 1;
    }
    return false;
}

} // namespace

void setLabelFromTypes(const PropertyLine& property, std::string& label)
{
    std::string places;
    std::string kinds;
    property.forEachType([&](std::string_view word) {
        for (const TypeWord& known : kTypeWords) {
            if (!ascii::equalsUpper(word, known.word))
                continue;
            std::string& to = known.kind == WordKind::Place ? places : kinds;
            if (known.kind != WordKind::None && !containsWord(to, known.label))
                appendWord(to, known.label);
            return;
        }
        if (ascii::startsWithUpper(word, "X-"))
            return;
        std::string own(word);
        for (size_t i = 0; i < own.size(); ++i)
            own[i] = i == 0 ? ascii::upper(own[i]) : char(own[i] >= 'A' && own[i] <= 'Z' ? own[i] + 32 : own[i]);
        if (!containsWord(kinds, own))
            appendWord(kinds, own);
    });
    label = std::move(places);
    if (!kinds.empty())
        appendWord(label, kinds);
}

std::string_view appleLabelText(std::string_view text)
{
    constexpr std::string_view kOpening = "_$!<";
    constexpr std::string_view kClosing = ">!$_";
    if (text.size() >= kOpening.size() + kClosing.size() && text.starts_with(kOpening) && text.ends_with(kClosing))
        return text.substr(kOpening.size(), text.size() - kOpening.size() - kClosing.size());
    return text;
}

} // namespace cardisto
