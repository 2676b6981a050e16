// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsBinding.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace cardisto {

namespace {

// Option buttons of one pair exclude each other, and Qt refuses to clear the selected one. A
// stored "False" for the selected option is still honoured, as the stored pair may select neither.
void setOptionSelected(QRadioButton* option, bool selected)
{
    if (option->isChecked() == selected)
        return;
    if (selected) {
        option->setChecked(true);
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

SettingsBinding::SettingsBinding(const RememberedControls& controls, SettingsStore& store, QObject* parent)
    : QObject(parent), m_controls(controls),
      m_store(store), m_checkBoxes{{SettingKey::Check14, controls.showSourceFilename},
                                   {SettingKey::Check1, controls.removeDuplicates},
                                   {SettingKey::EmailsOnly, controls.emails},
                                   {SettingKey::PhoneNumbersOnly, controls.phoneNumbers},
                                   {SettingKey::NamesOnly, controls.names},
                                   {SettingKey::AddressesOnly, controls.addresses}},
      m_texts{{SettingKey::Text1, controls.containingText},
              {SettingKey::Text2, controls.notContainingText},
              {SettingKey::Text5, controls.lineNumbers}},
      m_laterCheckBoxes{{SettingKey::DecodeLines, controls.decodeLines}}
{
    // toggled(true) comes once the other option is already cleared, for clicks, arrow keys and
    // restores alike.
    connect(controls.allFields, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            allFieldsChosen();
    });
    connect(controls.someFields, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            someFieldsChosen();
    });
    for (const CheckBinding& binding : m_checkBoxes + m_laterCheckBoxes) {
        connect(binding.box, &QCheckBox::stateChanged, this, [this, binding](int state) {
            m_store.save(binding.key, checkStateSettingText(static_cast<Qt::CheckState>(state)));
        });
    }
    for (const TextBinding& binding : std::as_const(m_texts)) {
        connect(binding.box, &QLineEdit::textChanged, this,
                [this, binding](const QString& text) { m_store.save(binding.key, text); });
    }
}

QList<std::function<void()>> SettingsBinding::restoreSteps()
{
    QList<std::function<void()>> steps;
    steps.append([this] { restoreOption(m_controls.allFields, SettingKey::Option1); });
    steps.append([this] { restoreOption(m_controls.someFields, SettingKey::Option2); });
    steps.append([this] {
        if (m_controls.allFields->isChecked())
            allFieldsChosen();
        else
            someFieldsChosen();
    });
    for (const CheckBinding& binding : std::as_const(m_checkBoxes))
        steps.append([this, binding] { restoreCheckBox(binding); });
    for (const TextBinding& binding : std::as_const(m_texts))
        steps.append([this, binding] { restoreText(binding); });
    for (const CheckBinding& binding : std::as_const(m_laterCheckBoxes))
        steps.append([this, binding] { restoreCheckBox(binding); });
    return steps;
}

void SettingsBinding::allFieldsChosen()
{
    saveOptions();
    setFieldGroupsEnabled(false);
}

void SettingsBinding::someFieldsChosen()
{
    saveOptions();
    setFieldGroupsEnabled(true);
}

void SettingsBinding::saveOptions()
{
    m_store.save(SettingKey::Option1, booleanSettingText(m_controls.allFields->isChecked()));
    m_store.save(SettingKey::Option2, booleanSettingText(m_controls.someFields->isChecked()));
}

void SettingsBinding::setFieldGroupsEnabled(bool enabled)
{
    // Disabled boxes keep their ticks and their stored values.
    for (QCheckBox* box : {m_controls.emails, m_controls.phoneNumbers, m_controls.names, m_controls.addresses})
        box->setEnabled(enabled);
}

void SettingsBinding::restoreOption(QRadioButton* option, SettingKey key)
{
    setOptionSelected(option, settingToBoolean(m_store.read(key)));
}

void SettingsBinding::restoreCheckBox(const CheckBinding& binding)
{
    binding.box->setCheckState(checkStateFromValue(settingToCheckValue(m_store.read(binding.key))));
}

void SettingsBinding::restoreText(const TextBinding& binding)
{
    binding.box->setText(m_store.read(binding.key));
}

} // namespace cardisto
