// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/SettingsStore.h"

#include <QList>
#include <QObject>
#include <functional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace cardisto {

// The main window's controls that the settings store remembers.
struct RememberedControls {
    QRadioButton* allFields;       // Option1
    QRadioButton* someFields;      // Option2
    QCheckBox* removeDuplicates;   // Check1
    QCheckBox* showSourceFilename; // Check14
    QCheckBox* emails;             // Check3
    QCheckBox* phoneNumbers;       // Check4
    QCheckBox* names;              // Check6
    QCheckBox* addresses;          // Check8
    QLineEdit* containingText;     // Text1
    QLineEdit* notContainingText;  // Text2
    QLineEdit* lineNumbers;        // Text5
    QCheckBox* decodeLines;        // Check15
};

// Saves every remembered control the moment it changes and reads them back at start-up.
// A check box saves its state on every change, a text box its whole text on every keystroke, and a
// click on either field option saves both options and enables the four field-group boxes only for
// "Some Fields:". A restore that changes a control fires the same saving, so the stored values stay
// as they were; one that leaves a control as it was saves nothing.
class SettingsBinding final : public QObject {
    Q_OBJECT
public:
    SettingsBinding(const RememberedControls& controls, SettingsStore& store, QObject* parent = nullptr);

    // The start-up restore, one step per setting in the order the window applies them: the two
    // options, the click behaviour of the selected one, the check boxes, the text boxes, then
    // "Read vCards as the standard defines them". A step
    // whose stored text cannot be converted throws ProcedureFailure and leaves its control alone.
    QList<std::function<void()>> restoreSteps();

    // The click behaviours of Option1 ("All Fields") and Option2 ("Some Fields:").
    void allFieldsChosen();
    void someFieldsChosen();

private:
    struct CheckBinding {
        SettingKey key;
        QCheckBox* box;
    };
    struct TextBinding {
        SettingKey key;
        QLineEdit* box;
    };

    void saveOptions();
    void setFieldGroupsEnabled(bool enabled);
    void restoreOption(QRadioButton* option, SettingKey key);
    void restoreCheckBox(const CheckBinding& binding);
    void restoreText(const TextBinding& binding);

    RememberedControls m_controls;
    SettingsStore& m_store;
    // In restore order.
    QList<CheckBinding> m_checkBoxes;
    QList<TextBinding> m_texts;
    // Boxes added since, restored after the texts so that the earlier steps keep their numbers.
    QList<CheckBinding> m_laterCheckBoxes;
};

} // namespace cardisto
