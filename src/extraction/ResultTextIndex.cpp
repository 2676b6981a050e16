// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultTextIndex.h"

#include "ZeroedBlock.h"

#include <algorithm>
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

ResultTextIndex::Table::Table(size_t capacity)
    : m_slots(static_cast<Slot*>(ZeroedBlock::allocate(capacity * sizeof(Slot)))),
      m_counts(static_cast<quint32*>(ZeroedBlock::allocate(capacity * sizeof(quint32)))), m_capacity(capacity)
{
    if (!m_slots || !m_counts) {
        ZeroedBlock::release(m_slots, capacity * sizeof(Slot));
        ZeroedBlock::release(m_counts, capacity * sizeof(quint32));
        throw std::bad_alloc();
    }
}

ResultTextIndex::Table::~Table()
{
    // A text moved out is a null string: its destructor has nothing to do, so it can be left out.
    for (size_t at = 0; m_texts > 0 && at < m_capacity; ++at) {
        if (m_slots[at].hash != 0 && !m_slots[at].text().isNull()) {
            m_slots[at].text().~QString();
            --m_texts;
        }
    }
    ZeroedBlock::release(m_slots, m_capacity * sizeof(Slot));
    ZeroedBlock::release(m_counts, m_capacity * sizeof(quint32));
}

void ResultTextIndex::Table::swap(Table& other) noexcept
{
    std::swap(m_slots, other.m_slots);
    std::swap(m_counts, other.m_counts);
    std::swap(m_capacity, other.m_capacity);
    std::swap(m_texts, other.m_texts);
}

void ResultTextIndex::Table::take(size_t at, quint64 hash, QString&& text, quint32 count)
{
    Slot& slot = m_slots[at];
    new (slot.textStorage) QString(std::move(text));
    slot.hash = hash;
    m_counts[at] = count;
    ++m_texts;
}

void ResultTextIndex::Table::release(size_t at)
{
    Slot& slot = m_slots[at];
    slot.text().~QString();
    slot.hash = 0;
    m_counts[at] = 0;
    --m_texts;
}

QString ResultTextIndex::Table::moveOut(size_t at)
{
    --m_texts;
    return std::move(m_slots[at].text());
}

qsizetype ResultTextIndex::findIn(const Table& table, QStringView text, quint64 hash, size_t skipBelow)
{
    if (table.empty())
        return -1;
    for (size_t at = hash & table.mask();; at = (at + 1) & table.mask()) {
        const Slot& slot = table.slot(at);
        if (slot.hash == 0)
            return -1;
        if (at >= skipBelow && slot.hash == hash && QStringView(slot.text()) == text)
            return qsizetype(at);
    }
}

ResultTextIndex::Place ResultTextIndex::find(QStringView text, quint64 hash)
{
    if (const qsizetype at = findIn(m_table, text, hash, 0); at >= 0)
        return {&m_table, at};
    if (const qsizetype at = findIn(m_old, text, hash, m_moved); at >= 0)
        return {&m_old, at};
    return {};
}

bool ResultTextIndex::contains(QStringView text, quint64 hash) const
{
    return findIn(m_table, text, hash, 0) >= 0 || findIn(m_old, text, hash, m_moved) >= 0;
}

void ResultTextIndex::add(const QString& text)
{
    const quint64 hash = hashOf(text);
    if (const Place found = find(text, hash); found.table) {
        ++found.table->count(size_t(found.at));
        return;
    }
    addAbsent(text, hash);
}

void ResultTextIndex::addAbsent(const QString& text, quint64 hash)
{
    // Sixteen old slots per addition: the old table is empty after a sixteenth of its size in
    // additions, so lookups seldom have two tables to look in, and no addition waits long.
    moveSome(16);
    // At most three quarters full, so that probe runs stay short.
    if ((m_used + 1) * 4 > qsizetype(m_table.capacity()) * 3)
        startGrowing();
    place(m_table, hash, QString(text), 1);
    ++m_used;
}

void ResultTextIndex::place(Table& table, quint64 hash, QString&& text, quint32 count)
{
    size_t at = hash & table.mask();
    while (table.slot(at).hash != 0)
        at = (at + 1) & table.mask();
    table.take(at, hash, std::move(text), count);
}

void ResultTextIndex::startGrowing()
{
    finishGrowing();
    const size_t capacity = m_table.empty() ? size_t(kFirstCapacity) : m_table.capacity() * 2;
    m_old = std::move(m_table);
    m_table = Table(capacity);
    m_moved = 0;
}

void ResultTextIndex::moveSome(size_t count)
{
    if (m_old.empty())
        return;
    const size_t end = std::min(m_old.capacity(), m_moved + count);
    for (; m_moved < end; ++m_moved) {
        Slot& slot = m_old.slot(m_moved);
        // The old slot keeps its hash (and an empty text) so that probe runs through it stay linked.
        if (slot.hash != 0)
            place(m_table, slot.hash, m_old.moveOut(m_moved), m_old.count(m_moved));
    }
    if (m_moved == m_old.capacity()) {
        m_old = Table();
        m_moved = 0;
    }
}

void ResultTextIndex::remove(QStringView text)
{
    finishGrowing(); // removals are rare (one row at a time, by hand): keep the gap closing simple
    Table& table = m_table;
    qsizetype at = findIn(table, text, hashOf(text), 0);
    if (at < 0)
        return;
    if (--table.count(size_t(at)) > 0)
        return;
    // Close the gap by moving back the slots of the run that follows, so that no lookup stops early.
    qsizetype next = at;
    for (;;) {
        next = qsizetype((next + 1) & table.mask());
        Slot& candidate = table.slot(size_t(next));
        if (candidate.hash == 0)
            break;
        const qsizetype wanted = qsizetype(candidate.hash & table.mask());
        const bool movable = at <= next ? (wanted <= at || wanted > next) : (wanted <= at && wanted > next);
        if (movable) {
            Slot& gap = table.slot(size_t(at));
            gap.text() = std::move(candidate.text());
            gap.hash = candidate.hash;
            table.count(size_t(at)) = table.count(size_t(next));
            at = next;
        }
    }
    table.release(size_t(at));
    --m_used;
}

void ResultTextIndex::clear()
{
    // Give the memory back: an index of millions of texts should not keep its table.
    m_table = Table();
    m_old = Table();
    m_moved = 0;
    m_used = 0;
}

} // namespace cardisto
