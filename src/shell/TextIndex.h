// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

namespace cardisto {

// Counts the texts of a list's rows so that "is this exact text listed?" is answered without a
// scan. Exact comparison: case-sensitive, untrimmed.
class TextIndex {
public:
    void add(const QString& text) { ++m_counts[text]; }
    void remove(const QString& text);
    void clear() { m_counts.clear(); }
    bool contains(const QString& text) const { return m_counts.contains(text); }
    qsizetype distinctCount() const { return m_counts.size(); }
    void reserve(qsizetype size) { m_counts.reserve(size); }

private:
    QHash<QString, qsizetype> m_counts;
};

} // namespace cardisto
