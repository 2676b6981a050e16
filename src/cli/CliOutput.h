// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

namespace cardisto {

// The result stream of the batch front end: text gathered in pieces of whole lines, encoded to
// UTF-8 and written with every write checked. A reader that went away (a closed pipe, as after
// "| head") ends the output quietly; any other failure is kept with its reason. After either,
// nothing more is written.
class CliOutput {
public:
    explicit CliOutput(QIODevice& device) : m_device(device) {}
    ~CliOutput() { flush(); }
    CliOutput(const CliOutput&) = delete;
    CliOutput& operator=(const CliOutput&) = delete;

    // One result line: the text, or the source entry, a TAB and the text; then LF.
    void writeLine(QStringView text) { writeLine({}, text); }
    void writeLine(QStringView sourceEntry, QStringView text, bool withSource = false);
    // Appends text as it is (lines of the converted text end in CR LF).
    void write(QStringView text);
    // Writes bytes as they are, after the text gathered before them.
    void writeBytes(const QByteArray& bytes);
    // Writes what is gathered; false once the output has ended.
    bool flush();

    enum class State { Open, ReaderGone, Failed };
    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::Open; }
    // Why the output failed, as the system says it ("No space left on device").
    const QString& failure() const { return m_failure; }
    // The final flush: a failure other than a reader that went away is reported on err as
    // "cardisto-cli: write error: REASON". True when nothing failed that way.
    bool finish(QIODevice& err);

private:
    void flushWhenFull();
    bool writeToDevice(const QByteArray& bytes);

    QIODevice& m_device;
    QString m_chunk;
    State m_state = State::Open;
    QString m_failure;
};

} // namespace cardisto
