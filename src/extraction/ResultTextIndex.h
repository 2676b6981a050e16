// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <new>

namespace cardisto {

// A text with its hash for ResultTextIndex: a text looked up more than once is hashed once, and
// the lines of a file are hashed on the thread that converts them (see ConvertedFile).
struct HashedText {
    QStringView text;
    quint64 hash = 0;
};

// How far ahead of a lookup its hint comes: the table slot starts loading several lookups before,
// the text that slot holds a few lookups before, once the slot is there.
enum class LookupDistance { Far, Near };

// Counts the texts of one column of the results list so that "is this exact text listed?" costs
// the same for the millionth row as for the first. Exact comparison: case-sensitive, untrimmed.
//
// Made for lists of millions of rows, where the time goes to memory traffic: one flat table probed
// linearly, each slot keeping the text's hash beside the text, so a probe compares texts only when
// their hashes agree, and growing the table never reads a text again. Growing is spread over the
// following additions (a few old slots move with each), so no single addition stalls the window
// for the whole table.
class ResultTextIndex {
public:
    static quint64 hashOf(QStringView text);
    static HashedText hashed(QStringView text) { return {text, hashOf(text)}; }

    bool contains(QStringView text) const { return contains(text, hashOf(text)); }
    bool contains(QStringView text, quint64 hash) const;
    // Shares the text (no copy); counts it once more when it is already there.
    void add(const QString& text);
    // Adds a text known to be absent, with its hash: the run that just missed it adds it at once.
    void addAbsent(const QString& text, quint64 hash);
    // Counts the text once less; it leaves the index with its last count.
    void remove(QStringView text);
    void clear();
    qsizetype distinctCount() const { return m_used; }
    // A hint that a lookup with this hash follows, at the given distance (the two calls below).
    void prefetch(quint64 hash, LookupDistance distance) const
    {
        if (distance == LookupDistance::Far)
            prefetch(hash);
        else
            prefetchText(hash);
    }
    // A hint that a lookup with this hash follows soon: the table slot where it begins starts loading.
    void prefetch(quint64 hash) const
    {
#if defined(__GNUC__) || defined(__clang__)
        if (!m_table.empty())
            __builtin_prefetch(&m_table.slot(size_t(hash & m_table.mask())));
#else
        (void)hash; // a compiler without the builtin goes without the hint
#endif
    }
    // The second step of the hint, nearer to the lookup, once the slot has loaded: when the slot
    // where the lookup begins holds a text of this hash (the text is most likely listed), its
    // characters start loading too, for the comparison.
    void prefetchText(quint64 hash) const
    {
#if defined(__GNUC__) || defined(__clang__)
        if (m_table.empty())
            return;
        const Slot& slot = m_table.slot(size_t(hash & m_table.mask()));
        if (slot.hash == hash)
            __builtin_prefetch(slot.text().constData());
#else
        (void)hash;
#endif
    }

private:
    // One slot of the table. The text is constructed in place only while the slot is taken (hash
    // not 0), so a new table is plain zeroed memory: its pages are touched as slots fill up instead
    // of all at once when the table grows.
    struct Slot {
        quint64 hash; // 0 marks an empty slot; hashes of texts are never 0
        alignas(QString) unsigned char textStorage[sizeof(QString)];
        QString& text() { return *std::launder(reinterpret_cast<QString*>(textStorage)); }
        const QString& text() const { return *std::launder(reinterpret_cast<const QString*>(textStorage)); }
    };
    class Table {
    public:
        Table() = default;
        explicit Table(size_t capacity);
        Table(Table&& other) noexcept { swap(other); }
        Table& operator=(Table&& other) noexcept
        {
            Table(std::move(other)).swap(*this);
            return *this;
        }
        ~Table();

        void swap(Table& other) noexcept;
        bool empty() const { return m_capacity == 0; }
        size_t capacity() const { return m_capacity; }
        quint64 mask() const { return m_capacity - 1; }
        Slot& slot(size_t at) { return m_slots[at]; }
        const Slot& slot(size_t at) const { return m_slots[at]; }
        quint32& count(size_t at) { return m_counts[at]; }
        // Takes an empty slot: the text moves in.
        void take(size_t at, quint64 hash, QString&& text, quint32 count);
        // Empties a taken slot.
        void release(size_t at);
        // Moves the text of a taken slot out, for another table; the slot keeps its hash.
        QString moveOut(size_t at);

    private:
        Slot* m_slots = nullptr;
        quint32* m_counts = nullptr; // beside the slots: lookups never need them
        size_t m_capacity = 0;
        // Slots whose text still holds data; a table whose texts have all moved out is freed
        // without a pass over its slots.
        size_t m_texts = 0;
    };
    // Where a text was found: which table, which slot.
    struct Place {
        Table* table = nullptr;
        qsizetype at = -1;
    };

    // Slots of a table below skipBelow are passed over (they have moved to the new table) but
    // still link the probe run, since an old slot keeps its hash while its text moves.
    static qsizetype findIn(const Table& table, QStringView text, quint64 hash, size_t skipBelow);
    Place find(QStringView text, quint64 hash);
    static void place(Table& table, quint64 hash, QString&& text, quint32 count);
    void startGrowing();
    void moveSome(size_t count);
    void finishGrowing() { moveSome(m_old.capacity()); }

    Table m_table;
    // The table before the last growth while its slots move over; empty otherwise.
    Table m_old;
    size_t m_moved = 0;
    qsizetype m_used = 0;
};

} // namespace cardisto
