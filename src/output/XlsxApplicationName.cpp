// SPDX-License-Identifier: GPL-3.0-or-later
#include "XlsxApplicationName.h"

#include <QFile>
#include <QtEndian>
#include <optional>
#include <zlib.h>

namespace cardisto {

namespace {

// Zip records (PKWARE APPNOTE), little-endian, and the offsets of the fields read or changed.
constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kZip64Locator = 0x07064b50;
constexpr quint32 kInZip64Record = 0xFFFFFFFF; // the field's value stands in a zip64 record
constexpr qsizetype kLocalHeaderSize = 30;
constexpr qsizetype kCentralHeaderSize = 46;
constexpr qsizetype kEndOfDirectorySize = 22;
constexpr qsizetype kZip64LocatorSize = 20;
constexpr qsizetype kLargestComment = 0xFFFF;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr quint16 kDataDescriptorFlag = 0x0008;
constexpr quint32 kLargestPart = 16 * 1024 * 1024; // far above any properties part

const QByteArray kPartName = QByteArrayLiteral("docProps/app.xml");

template<typename T> T get(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

template<typename T> void put(QByteArray& bytes, qsizetype at, T value)
{
    qToLittleEndian<T>(value, bytes.data() + at);
}

template<typename T> void append(QByteArray& bytes, T value)
{
    bytes.resize(bytes.size() + qsizetype(sizeof(T)));
    put<T>(bytes, bytes.size() - qsizetype(sizeof(T)), value);
}

// The zip directory and the end record after it (with its comment).
struct Directory {
    qint64 offset = 0;
    QByteArray entries;
    QByteArray end;
};

// The properties part's entry in the directory.
struct PartEntry {
    qsizetype at = 0;
    qint64 localOffset = 0;
    quint16 method = 0;
    quint32 packedSize = 0;
    quint32 size = 0;
};

class ZipFile {
public:
    explicit ZipFile(const QString& path) : m_file(path) {}

    bool open() { return m_file.open(QIODevice::ReadWrite); }
    QString errorString() const { return m_file.errorString(); }
    qint64 size() const { return m_file.size(); }

    // Reads length bytes at offset; fewer than that is a failure.
    bool read(qint64 offset, qint64 length, QByteArray& bytes)
    {
        if (offset < 0 || length < 0 || offset + length > m_file.size() || !m_file.seek(offset))
            return false;
        bytes = m_file.read(length);
        return bytes.size() == length;
    }

    // Replaces everything from offset to the end of the file with bytes.
    bool replaceEnd(qint64 offset, const QByteArray& bytes)
    {
        return m_file.seek(offset) && m_file.write(bytes) == bytes.size() && m_file.resize(offset + bytes.size()) &&
               m_file.flush();
    }

private:
    QFile m_file;
};

// The directory of a zip file under 4 GB (a larger one has zip64 records, which are left alone).
std::optional<Directory> readDirectory(ZipFile& zip)
{
    const qint64 tailSize = std::min<qint64>(zip.size(), kEndOfDirectorySize + kLargestComment + kZip64LocatorSize);
    QByteArray tail;
    if (!zip.read(zip.size() - tailSize, tailSize, tail))
        return std::nullopt;
    // The end record is the last one whose comment runs to the end of the file.
    qsizetype at = tail.size() - kEndOfDirectorySize;
    while (at >= 0 && !(get<quint32>(tail, at) == kEndOfDirectory &&
                        at + kEndOfDirectorySize + get<quint16>(tail, at + 20) == tail.size()))
        --at;
    if (at < 0 || (at >= kZip64LocatorSize && get<quint32>(tail, at - kZip64LocatorSize) == kZip64Locator))
        return std::nullopt;
    Directory directory;
    directory.end = tail.mid(at);
    directory.offset = get<quint32>(directory.end, 16);
    const qint64 size = get<quint32>(directory.end, 12);
    // Nothing may stand between the directory and its end record.
    if (directory.offset + size != zip.size() - tailSize + at || !zip.read(directory.offset, size, directory.entries))
        return std::nullopt;
    return directory;
}

// Finds the properties part's entry, provided the part is the last in the file.
std::optional<PartEntry> findLastPart(const QByteArray& entries)
{
    std::optional<PartEntry> part;
    qint64 lastOffset = -1;
    for (qsizetype at = 0; at < entries.size();) {
        if (at + kCentralHeaderSize > entries.size() || get<quint32>(entries, at) != kCentralHeader)
            return std::nullopt;
        const quint16 nameLength = get<quint16>(entries, at + 28);
        const quint32 offset = get<quint32>(entries, at + 42);
        if (offset == kInZip64Record)
            return std::nullopt;
        if (entries.mid(at + kCentralHeaderSize, nameLength) == kPartName)
            part = PartEntry{at, offset, get<quint16>(entries, at + 10), get<quint32>(entries, at + 20),
                             get<quint32>(entries, at + 24)};
        lastOffset = std::max<qint64>(lastOffset, offset);
        at += kCentralHeaderSize + nameLength + get<quint16>(entries, at + 30) + get<quint16>(entries, at + 32);
    }
    if (!part || part->localOffset != lastOffset || (part->method != kStored && part->method != kDeflated) ||
        part->packedSize > kLargestPart || part->size > kLargestPart)
        return std::nullopt;
    return part;
}

std::optional<QByteArray> unpack(const QByteArray& packed, const PartEntry& part)
{
    if (part.method == kStored)
        return packed.size() == qsizetype(part.size) ? std::optional(packed) : std::nullopt;
    QByteArray text(qsizetype(part.size), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) // raw deflate, as zip stores it
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(text.data());
    stream.avail_out = uInt(text.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == part.size;
    inflateEnd(&stream);
    return whole ? std::optional(text) : std::nullopt;
}

// Puts application in the Application element and drops AppVersion; nothing when there is no
// Application element.
std::optional<QByteArray> renamedProperties(QByteArray xml, const QByteArray& application)
{
    const QByteArray open = QByteArrayLiteral("<Application>");
    const qsizetype start = xml.indexOf(open);
    const qsizetype stop = start < 0 ? -1 : xml.indexOf(QByteArrayLiteral("</Application>"), start);
    if (stop < 0)
        return std::nullopt;
    xml.replace(start + open.size(), stop - start - open.size(), application);
    const qsizetype version = xml.indexOf(QByteArrayLiteral("<AppVersion>"));
    const QByteArray close = QByteArrayLiteral("</AppVersion>");
    const qsizetype versionEnd = version < 0 ? -1 : xml.indexOf(close, version);
    if (versionEnd >= 0)
        xml.remove(version, versionEnd + close.size() - version);
    return xml;
}

// The part stored anew, uncompressed, with the local header the entry describes.
QByteArray storedPart(const QByteArray& entries, const PartEntry& part, const QByteArray& xml)
{
    QByteArray stored;
    append<quint32>(stored, kLocalHeader);
    stored += entries.mid(part.at + 6, 2); // version needed
    stored += entries.mid(part.at + 8, 2); // flags
    stored += entries.mid(part.at + 10, 2); // method
    stored += entries.mid(part.at + 12, 4); // time and date
    stored += entries.mid(part.at + 16, 12); // checksum and both sizes
    append<quint16>(stored, quint16(kPartName.size()));
    append<quint16>(stored, 0); // no extra field
    return stored + kPartName + xml;
}

} // namespace

bool nameWorkbookApplication(const QString& path, const QByteArray& application, QString& error)
{
    ZipFile zip(path);
    if (!zip.open()) {
        error = zip.errorString();
        return false;
    }
    // What cannot be read as the library's layout is left alone: it is still a whole workbook.
    std::optional<Directory> directory = readDirectory(zip);
    const std::optional<PartEntry> part = directory ? findLastPart(directory->entries) : std::nullopt;
    QByteArray localHeader;
    if (!part || !zip.read(part->localOffset, kLocalHeaderSize, localHeader) ||
        get<quint32>(localHeader, 0) != kLocalHeader)
        return true;
    const qint64 dataOffset =
        part->localOffset + kLocalHeaderSize + get<quint16>(localHeader, 26) + get<quint16>(localHeader, 28);
    QByteArray packed;
    if (!zip.read(dataOffset, part->packedSize, packed))
        return true;
    std::optional<QByteArray> xml = unpack(packed, *part);
    if (xml)
        xml = renamedProperties(*xml, application);
    if (!xml)
        return true;

    // The entry keeps its version, time, attributes and offset; the part is now stored.
    QByteArray& entries = directory->entries;
    const auto size = quint32(xml->size());
    put<quint16>(entries, part->at + 8, get<quint16>(entries, part->at + 8) & ~kDataDescriptorFlag);
    put<quint16>(entries, part->at + 10, kStored);
    put<quint32>(entries, part->at + 16, quint32(crc32(0, reinterpret_cast<const Bytef*>(xml->constData()), size)));
    put<quint32>(entries, part->at + 20, size);
    put<quint32>(entries, part->at + 24, size);
    const QByteArray stored = storedPart(entries, *part, *xml);
    const qint64 directoryOffset = part->localOffset + stored.size();
    if (directoryOffset + entries.size() >= kInZip64Record)
        return true; // the directory would move past what a plain end record can say
    put<quint32>(directory->end, 16, quint32(directoryOffset));
    if (!zip.replaceEnd(part->localOffset, stored + entries + directory->end)) {
        error = zip.errorString();
        return false;
    }
    return true;
}

} // namespace cardisto
