// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowsCodePage.h"

#include <QByteArray>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace cardisto {

#ifdef Q_OS_WIN

namespace {

struct NamedCodePage {
    const char* name;
    UINT codePage;
};

// The character set names that do not carry their code page's number.
constexpr NamedCodePage kNamedCodePages[] = {
    {"shift_jis", 932}, {"sjis", 932},       {"x-sjis", 932},  {"ms_kanji", 932},       {"windows-31j", 932},
    {"euc-jp", 20932},  {"gb2312", 936},     {"gbk", 936},     {"x-gbk", 936},          {"gb18030", 54936},
    {"big5", 950},      {"big5-hkscs", 950}, {"euc-kr", 949},  {"ks_c_5601-1987", 949}, {"koi8-r", 20866},
    {"koi8-u", 21866},  {"us-ascii", 20127}, {"ascii", 20127}, {"tis-620", 874},        {"macintosh", 10000},
};

// The code page a character set name stands for; 0 when there is none.
UINT codePageFor(QByteArrayView charset)
{
    const QByteArray name = charset.toByteArray().trimmed().toLower();
    for (const NamedCodePage& entry : kNamedCodePages) {
        if (name == entry.name)
            return entry.codePage;
    }
    // windows-1251, cp866, ibm850, iso-8859-2 (code page 28592), ...
    const auto number = [&name](QByteArrayView prefix) {
        bool ok = false;
        const uint value = name.startsWith(prefix) ? name.mid(prefix.size()).toUInt(&ok) : 0;
        return ok ? value : 0U;
    };
    for (const char* prefix : {"windows-", "x-cp", "cp", "ibm"}) {
        if (const UINT value = number(prefix))
            return value;
    }
    if (const UINT part = number("iso-8859-"); part >= 2 && part <= 15)
        return 28590 + part;
    return 0;
}

} // namespace

std::optional<QString> decodeWithWindowsCodePage(QByteArrayView bytes, QByteArrayView charset)
{
    const UINT codePage = codePageFor(charset);
    if (codePage == 0 || !IsValidCodePage(codePage))
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    const auto* data = reinterpret_cast<LPCCH>(bytes.data());
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, data, size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, data, size, reinterpret_cast<LPWSTR>(text.data()), length);
    return text;
}

#else

std::optional<QString> decodeWithWindowsCodePage(QByteArrayView, QByteArrayView)
{
    return std::nullopt;
}

#endif

} // namespace cardisto
