// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowShortcuts.h"

#include "Form1Controls.h"
#include "shell/widgets/WindowTabOrder.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <utility>

namespace cardisto {

namespace {

QShortcut* windowKey(QWidget* window, const QKeySequence& key, const std::function<void()>& action)
{
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, action);
    return shortcut;
}

void keyPressesButton(QWidget* window, const QKeySequence& key, QPushButton* button)
{
    windowKey(window, key, [button] {
        if (button->isEnabled())
            button->click();
    });
    button->setToolTip(button->text() + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       QStringLiteral(")"));
}

void enterPressesButton(QLineEdit* box, QPushButton* button)
{
    QObject::connect(box, &QLineEdit::returnPressed, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

// An empty list draws no current row, so the list's own frame shows where the focus is.
void showFocusWhenEmpty(QTableView* list)
{
    list->setStyleSheet(QStringLiteral("QTableView { border: 1px solid palette(mid); }"
                                       "QTableView:focus { border: 2px solid palette(highlight); }"));
}

} // namespace

MainWindowShortcuts::MainWindowShortcuts(QWidget* window, const Form1Controls& c, Actions actions)
    : QObject(window), m_window(window), m_content(c.content), m_fieldOptions{c.Option1, c.Option2}
{
    window->installEventFilter(this);
    m_content->installEventFilter(this);
    showFocusWhenEmpty(c.ListView1);
    showFocusWhenEmpty(c.ListView2);

    // The full caption first, so that a button cut short by a narrow window can still be read.
    for (QPushButton* button : c.commandButtons())
        button->setToolTip(button->text());

    keyPressesButton(window, QKeySequence(Qt::Key_F1), c.PushButton22);
    keyPressesButton(window, QKeySequence(Qt::CTRL | Qt::Key_O), c.PushButton1);
    keyPressesButton(window, QKeySequence(Qt::CTRL | Qt::Key_S), c.PushButton6);
    keyPressesButton(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), c.PushButton18);
    keyPressesButton(window, QKeySequence(Qt::CTRL | Qt::Key_T), c.PushButton24);
    windowKey(window, QKeySequence(Qt::SHIFT | Qt::Key_F1), actions.showAbout);
    windowKey(window, QKeySequence(Qt::CTRL | Qt::Key_Q), [window] { window->close(); });

    enterPressesButton(c.Text1, c.PushButton2);
    enterPressesButton(c.Text2, c.PushButton8);
    enterPressesButton(c.Text5, c.PushButton7);

    auto* deleteRow = new QShortcut(QKeySequence(QKeySequence::Delete), c.ListView2);
    deleteRow->setContext(Qt::WidgetShortcut);
    connect(deleteRow, &QShortcut::activated, this, actions.removeSelectedResult);
}

bool MainWindowShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    // The controls have their places once the window is shown, and new ones when a change of width
    // moves them to other rows; the layout places them after this filter has seen the resize.
    if (watched == m_window && event->type() == QEvent::Show) {
        setTabOrderByPosition(m_window);
        // The keyboard starts at the first control, a group of option buttons, which it enters at
        // its selected button.
        if (!m_window->focusWidget())
            (m_fieldOptions[0]->isChecked() ? m_fieldOptions[0] : m_fieldOptions[1])->setFocus();
    } else if (watched == m_content && event->type() == QEvent::Resize && !std::exchange(m_orderPending, true))
        QTimer::singleShot(0, this, [this] {
            m_orderPending = false;
            setTabOrderByPosition(m_window);
        });
    return false;
}

} // namespace cardisto
