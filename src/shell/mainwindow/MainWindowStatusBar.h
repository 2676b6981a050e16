// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractItemModel;
class QLabel;
class QStatusBar;
class QWidget;

namespace cardisto {

// The status bar below the main window's controls: how many input files are listed and how many
// results there are, e.g. "3 input files, 120 results". It follows both lists as they change and
// shows the counts once the events of a change have run, so a long command does not pay for it row
// by row. Beside the counts, a note on what the last run or command did ("Stopped in file 1 of 3").
class MainWindowStatusBar final : public QObject {
    Q_OBJECT
public:
    MainWindowStatusBar(QWidget* window, const QAbstractItemModel& inputFiles, const QAbstractItemModel& results);

    // The counts.
    QString text() const;
    // The note beside them; an empty one clears it. A note too long for the window is cut, and
    // its tooltip holds it whole.
    void setNote(const QString& note);
    QString note() const;

    // "1 input file, no results" and the like.
    static QString countsText(int inputFiles, int results);

private:
    void watch(const QAbstractItemModel& model);
    void scheduleUpdate();
    void update();

    const QAbstractItemModel& m_inputFiles;
    const QAbstractItemModel& m_results;
    QStatusBar* m_bar;
    QLabel* m_counts;
    QLabel* m_note;
    bool m_updatePending = false;
};

} // namespace cardisto
