#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace cardisto {

// Counts the texts of one column of the results list so that "is this exact text listed?" costs
// the same for the millionth row as for the first. Exact comparison: case-sensitive, untrimmed.
//
// Made for lists of millions of rows, where the time goes to memory traffic: one flat table probed
// linearly, each slot keeping the text's hash beside the text, so a probe compares texts only when
// their hashes agree, and growing the table never reads a text again.
class ResultTextIndex {
public:
    static quint64 hashOf(QStringView text);

    bool contains(QStringView text) const { return contains(text, hashOf(text)); }
    bool contains(QStringView text, quint64 hash) const { return findSlot(text, hash) >= 0; }
    // Shares the text (no copy); counts it once more when it is already there.
    void add(const QString& text);
    // Adds a text known to be absent, with its hash: the run that just missed it adds it at once.
    void addAbsent(const QString& text, quint64 hash);
    // Counts the text once less; it leaves the index with its last count.
    void remove(QStringView text);
    void clear();
    qsizetype distinctCount() const { return m_used; }
    // A hint that a lookup with this hash follows soon: the table slot where it begins starts loading.
    void prefetch(quint64 hash) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[size_t(home(hash))]);
    }

private:
    struct Slot {
        quint64 hash = 0; // 0 marks an empty slot; hashes of texts are never 0
        QString text;
    };

    qsizetype findSlot(QStringView text, quint64 hash) const;
    qsizetype home(quint64 hash) const { return qsizetype(hash & m_mask); }
    void grow();

    std::vector<Slot> m_slots;
    std::vector<quint32> m_counts; // beside the slots: lookups never need them
    quint64 m_mask = 0;
    qsizetype m_used = 0;
};

} // namespace cardisto
