#include "ToolWindow.h"

#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"
#include "shell/widgets/ApplicationIcon.h"
#include "shell/widgets/RunStopKey.h"
#include "shell/widgets/WindowColours.h"

#include <QCloseEvent>
#include <QPushButton>

namespace cardisto {

ToolWindow::ToolWindow(ToolWindowContext& context, QString module, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_module(std::move(module)), m_stopKey(new RunStopKey(this))
{
    setObjectName(m_module);
    setWindowTitle(caption);
}

Guard ToolWindow::procedureGuard(const QString& procedure)
{
    return Guard(m_context.errorReporter(), ErrorLocation::velmora(m_module, procedure));
}

QPushButton* ToolWindow::addCommandButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void ToolWindow::showWithoutModality()
{
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void ToolWindow::applyWindowLook(Guard& loadGuard, const QList<QAbstractButton*>& buttons)
{
    loadGuard(100, [&] { ApplyStandardColours(this); });
    loadGuard(102, [&] { setWindowIcon(applicationIcon()); });
    loadGuard(104, [&] {
        m_pointers.setHandPointer(m_context.handPointer(), QList<QWidget*>(buttons.cbegin(), buttons.cend()));
    });
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    Guard guard = procedureGuard(QStringLiteral("Form_QueryUnload"));
    bool closing = false;
    guard(100, [&] { closing = m_context.isClosing(); });
    if (closing) {
        event->accept();
        return;
    }
    // Kept loaded, only hidden: the next opening shows what the user left here.
    event->ignore();
    guard(102, [&] { hide(); });
}

void saveSettingOrFail(SettingsStore& store, SettingKey key, const QString& text)
{
    if (!store.save(key, text)) {
        throw ProcedureFailure(QStringLiteral("The setting \"%1\" could not be saved in %2")
                                   .arg(settingDefinition(key).name, store.location()));
    }
}

} // namespace cardisto
