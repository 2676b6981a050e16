// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainWindowToolContext.h"

#include <QObject>
#include <QPointer>

namespace cardisto {

struct Form1Controls;
class ContactsTableWindow;
class Form2;
class Form3;
class Platform;

// The main window's buttons of the tool windows. Each window is created the first time its button
// is pressed and is shown again, with what the user left in it, at every later press; the main
// window stays usable meanwhile. The "Help >" buttons beside them show the windows' help.
class ToolWindowButtons final : public QObject {
    Q_OBJECT
public:
    // The tool windows belong to the link's main window and end with it.
    ToolWindowButtons(MainWindowLink& link, const Form1Controls& controls);

    void PushButton4_Click();
    void PushButton16_Click();
    void PushButton15_Click();
    void PushButton17_Click();
    // "Contacts Table".
    void PushButton24_Click();

private:
    // Creates the window at the first press and shows it again at every later one.
    template <typename Window> void openToolWindow(QPointer<Window>& window, const QString& procedure);
    void showToolWindowHelp(const QString& procedure, void (*showHelp)(Platform&));

    MainWindowLink& m_link;
    MainWindowToolContext m_context;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<ContactsTableWindow> m_contactsTable;
};

} // namespace cardisto
