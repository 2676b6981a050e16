// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QRadioButton;
class QWidget;

namespace cardisto {

struct Form1Controls;

// The main window's keyboard: F1 Help, Shift+F1 About, Ctrl+O "Add VCF Files", Ctrl+S "Save Results
// As Text File", Ctrl+Shift+C "Copy Results To Clipboard", Ctrl+Q closes the window; Enter in a
// filter text box runs the command beside it; Delete in the results list removes the selected row
// as a double-click does. A key presses the button itself, so it does exactly what a click does.
// Every command button gets its full caption, and its key if it has one, as tooltip. Tab follows
// the controls' places on the window, also after a change of width moved them, and a list with the
// focus shows it also when it is empty. The keyboard starts at the selected field option.
// Ctrl+T presses "Contacts Table".
class MainWindowShortcuts final : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> showAbout;
        std::function<void()> removeSelectedResult;
    };

    MainWindowShortcuts(QWidget* window, const Form1Controls& controls, Actions actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QWidget* m_content;
    QRadioButton* m_fieldOptions[2]; // "All Fields", "Some Fields:"
    bool m_orderPending = false;
};

} // namespace cardisto
