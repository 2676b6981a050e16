// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindowContext.h"
#include "WindowPointers.h"

#include <QWidget>

class QAbstractButton;
class QPushButton;

namespace cardisto {

class Guard;
class RunStopKey;
enum class SettingKey;

// What the two tool windows share: they are windows of their own beside the main window, take the
// standard colours, the program's icon, the main window's font and the hand pointer, and stay
// loaded once opened. Closing one only hides it, so its texts are there at the next opening,
// unless the main window is closing.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the window without making it modal and brings it to the front. It is owned by the
    // main window (it stays in front of it) and opens the first time on screen beside the results
    // list, so that the results of its runs can be watched.
    void showWithoutModality();

    ToolWindowContext& context() const { return m_context; }
    // Esc in this window, which stops the window's runs.
    const RunStopKey& stopKey() const { return *m_stopKey; }
    // True while a run of this window shows the hourglass.
    bool showsHourglass() const { return m_pointers.isBusy(); }

protected:
    // module: the window's name, as object name and in error locations ("Form2").
    ToolWindow(ToolWindowContext& context, QString module, const QString& caption, QWidget* parent);

    // The guard of one of the window's procedures, reporting as "module.procedure".
    Guard procedureGuard(const QString& procedure);

    // A push button of the window that Enter does not press unless it has the focus.
    QPushButton* addCommandButton(const QString& name, const QString& caption);

    // The load steps every tool window takes once its controls exist, numbered from 100 in the
    // window's Form_Load: colours, icon, hand pointer over the buttons.
    void applyWindowLook(Guard& loadGuard, const QList<QAbstractButton*>& buttons);

    WindowPointers& pointers() { return m_pointers; }

    void closeEvent(QCloseEvent* event) override;

private:
    ToolWindowContext& m_context;
    QString m_module;
    WindowPointers m_pointers{*this};
    bool m_placed = false;
    RunStopKey* m_stopKey;
};

} // namespace cardisto
