// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowGeometry.h"

#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"
#include "shell/widgets/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace cardisto {

namespace {

std::optional<int> storedNumber(const SettingsStore& store, SettingKey key)
{
    bool ok = false;
    const int value = store.read(key).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

MainWindowGeometry::MainWindowGeometry(QWidget* window, SettingsStore& store)
    : QObject(window), m_window(window), m_store(store)
{
    // Seen before the window's own close handling, whatever that does.
    window->installEventFilter(this);
}

std::optional<QRect> MainWindowGeometry::storedRect() const
{
    const auto left = storedNumber(m_store, SettingKey::WindowLeft);
    const auto top = storedNumber(m_store, SettingKey::WindowTop);
    const auto width = storedNumber(m_store, SettingKey::WindowWidth);
    const auto height = storedNumber(m_store, SettingKey::WindowHeight);
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return QRect(*left, *top, *width, *height);
}

void MainWindowGeometry::restore()
{
    std::optional<QRect> wanted = storedRect();
    if (!wanted) {
        QScreen* screen = screenAtOrPrimary(QPoint());
        QRect designed(QPoint(), kDesignedSize);
        if (screen)
            designed.moveCenter(screen->availableGeometry().center());
        wanted = designed;
    }
    placeOnScreen(m_window, *wanted);
    bool maximized = false;
    try {
        maximized = settingToBoolean(m_store.read(SettingKey::WindowMaximized));
    } catch (const ProcedureFailure&) {
        // A damaged value counts as not maximised.
    }
    if (maximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
}

void MainWindowGeometry::save()
{
    // The size the window returns to from maximised is the one worth remembering.
    const QRect normal = m_window->isMaximized() ? m_window->normalGeometry() : m_window->geometry();
    if (normal.isValid()) {
        m_store.save(SettingKey::WindowLeft, QString::number(normal.left()));
        m_store.save(SettingKey::WindowTop, QString::number(normal.top()));
        m_store.save(SettingKey::WindowWidth, QString::number(normal.width()));
        m_store.save(SettingKey::WindowHeight, QString::number(normal.height()));
    }
    m_store.save(SettingKey::WindowMaximized, booleanSettingText(m_window->isMaximized()));
}

bool MainWindowGeometry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        save();
    return false;
}

} // namespace cardisto
