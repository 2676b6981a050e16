// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardText.h"

#include "UnfoldedEncoding.h"
#include "VcfTextForm.h"

#include <QStringView>
#include <QSysInfo>

#include <cstdint>

namespace cardisto {

namespace {

QByteArray utf16AsUtf8(QByteArrayView bytes, TextEncoding encoding)
{
    const bool aligned = reinterpret_cast<std::uintptr_t>(bytes.data()) % alignof(char16_t) == 0;
    if (encoding == TextEncoding::Utf16LE && QSysInfo::ByteOrder == QSysInfo::LittleEndian && aligned)
        return QStringView(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2).toUtf8();
    return decodeText(bytes, encoding).toUtf8();
}

} // namespace

EightBitText eightBitTextOf(QByteArrayView fileBytes, QByteArray* owned)
{
    EightBitText result;
    result.encoding = detectVcfEncoding(fileBytes);
    if (result.encoding == TextEncoding::Utf16LE || result.encoding == TextEncoding::Utf16BE) {
        result.converted = utf16AsUtf8(fileBytes, result.encoding);
        if (owned)
            *owned = QByteArray(); // fileBytes is not read again
        result.text = std::string_view(result.converted.constData(), size_t(result.converted.size()));
        result.encoding = TextEncoding::Utf8;
        result.fromUtf16 = true;
        return result;
    }
    result.text = std::string_view(fileBytes.data(), size_t(fileBytes.size()));
    return result;
}

StandardText standardTextOf(QByteArrayView fileBytes, QByteArray* owned)
{
    StandardText result{eightBitTextOf(fileBytes, owned)};
    const EightBitText& text = result.eightBit;
    if (text.fromUtf16)
        result.values = FileBytes::Unicode;
    else if (text.encoding == TextEncoding::Utf8 || isUtf8OnceUnfolded(text.text))
        result.values = FileBytes::Utf8;
    else
        result.values = FileBytes::Windows1252;
    return result;
}

} // namespace cardisto
