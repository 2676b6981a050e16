#include "ResultTextIndex.h"

#include <cstring>
#include <utility>

namespace cardisto {

namespace {

constexpr qsizetype kFirstCapacity = 64;

quint64 mix(quint64 value)
{
    value ^= value >> 32;
    value *= 0xd6e8feb86659fd93ULL;
    value ^= value >> 32;
    return value;
}

} // namespace

quint64 ResultTextIndex::hashOf(QStringView text)
{
    // Eight bytes at a time, multiplied and folded; the length goes in so that texts that differ
    // only by trailing zero characters differ.
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.utf16());
    const size_t size = size_t(text.size()) * 2;
    quint64 hash = 0x9e3779b97f4a7c15ULL ^ quint64(size);
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, 8);
        hash = (hash ^ word) * 0xff51afd7ed558ccdULL;
        hash ^= hash >> 29;
    }
    if (i < size) {
        quint64 word = 0;
        std::memcpy(&word, bytes + i, size - i);
        hash = (hash ^ word) * 0xc4ceb9fe1a85ec53ULL;
    }
    hash = mix(hash);
    return hash != 0 ? hash : 1;
}

qsizetype ResultTextIndex::findSlot(QStringView text, quint64 hash) const
{
    if (m_used == 0)
        return -1;
    for (qsizetype at = home(hash);; at = qsizetype((at + 1) & m_mask)) {
        const Slot& slot = m_slots[size_t(at)];
        if (slot.hash == 0)
            return -1;
        if (slot.hash == hash && QStringView(slot.text) == text)
            return at;
    }
}

void ResultTextIndex::add(const QString& text)
{
    const quint64 hash = hashOf(text);
    if (const qsizetype at = findSlot(text, hash); at >= 0) {
        ++m_counts[size_t(at)];
        return;
    }
    addAbsent(text, hash);
}

void ResultTextIndex::addAbsent(const QString& text, quint64 hash)
{
    // At most three quarters full, so that probe runs stay short.
    if ((m_used + 1) * 4 > qsizetype(m_slots.size()) * 3)
        grow();
    qsizetype at = home(hash);
    while (m_slots[size_t(at)].hash != 0)
        at = qsizetype((at + 1) & m_mask);
    m_slots[size_t(at)] = {hash, text};
    m_counts[size_t(at)] = 1;
    ++m_used;
}

void ResultTextIndex::remove(QStringView text)
{
    qsizetype at = findSlot(text, hashOf(text));
    if (at < 0)
        return;
    if (--m_counts[size_t(at)] > 0)
        return;
    // Close the gap by moving back the slots of the run that follows, so that no lookup stops early.
    qsizetype next = at;
    for (;;) {
        next = qsizetype((next + 1) & m_mask);
        Slot& candidate = m_slots[size_t(next)];
        if (candidate.hash == 0)
            break;
        const qsizetype wanted = home(candidate.hash);
        const bool movable = at <= next ? (wanted <= at || wanted > next) : (wanted <= at && wanted > next);
        if (movable) {
            m_slots[size_t(at)] = std::move(candidate);
            m_counts[size_t(at)] = m_counts[size_t(next)];
            at = next;
        }
    }
    m_slots[size_t(at)] = Slot();
    m_counts[size_t(at)] = 0;
    --m_used;
}

void ResultTextIndex::clear()
{
    // Give the memory back: an index of millions of texts should not keep its table.
    std::vector<Slot>().swap(m_slots);
    std::vector<quint32>().swap(m_counts);
    m_mask = 0;
    m_used = 0;
}

void ResultTextIndex::grow()
{
    const size_t capacity = m_slots.empty() ? size_t(kFirstCapacity) : m_slots.size() * 2;
    std::vector<Slot> slots(capacity);
    std::vector<quint32> counts(capacity);
    const quint64 mask = capacity - 1;
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot& slot = m_slots[i];
        if (slot.hash == 0)
            continue;
        size_t at = slot.hash & mask;
        while (slots[at].hash != 0)
            at = (at + 1) & mask;
        slots[at] = std::move(slot);
        counts[at] = m_counts[i];
    }
    m_slots = std::move(slots);
    m_counts = std::move(counts);
    m_mask = mask;
}

} // namespace cardisto
