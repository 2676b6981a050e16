// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace cardisto {

// Esc pressed anywhere in one window, counted. A run notes the count of each window that may stop
// it when it starts, and ends after the line at which a count has moved on: the main window's Esc
// stops every run, a tool window's Esc the runs of that window.
class RunStopKey final : public QObject {
    Q_OBJECT
public:
    explicit RunStopKey(QWidget* window);

    quint64 presses() const { return m_presses; }

    // The tooltip of the progress bar.
    static QString toolTipText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    quint64 m_presses = 0;
};

} // namespace cardisto
