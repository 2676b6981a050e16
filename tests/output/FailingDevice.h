// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>

namespace cardisto::test {

// A device that takes a set number of bytes and then refuses every write, as a full disk does.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(qint64 acceptedBytes = 0) : m_accepted(acceptedBytes) {}

    QByteArray written;
    int refusedWrites = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (written.size() + size > m_accepted) {
            ++refusedWrites;
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written.append(data, size);
        return size;
    }

private:
    qint64 m_accepted;
};

} // namespace cardisto::test
