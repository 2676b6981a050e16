// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnfoldedEncoding.h"

#include "CharsetDecoding.h"
#include "LogicalLines.h"
#include "PropertyLine.h"

#include "shell/TextDecoding.h"

namespace cardisto {

namespace {

bool isUtf8(std::string_view text)
{
    return isValidUtf8(QByteArrayView(text.data(), qsizetype(text.size())));
}

} // namespace

bool isUtf8OnceUnfolded(std::string_view bytes)
{
    CharsetDecoding charsets;
    LogicalLines lines(bytes);
    std::string_view line;
    PropertyLine property;
    while (lines.next(line)) {
        if (isUtf8(line))
            continue;
        if (!property.read(line))
            return false;
        const ValueForm form = property.valueForm();
        const bool ownCharset = !form.charset.empty() && !namesUtf8(form.charset) && charsets.knows(form.charset);
        if (!ownCharset || !isUtf8(line.substr(0, size_t(property.value().data() - line.data()))))
            return false;
    }
    return true;
}

} // namespace cardisto
