// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace cardisto {

class SettingsStore;

// The main window's size, position and maximised state: restored when the window is built, fitted
// into the screen it lands on, and saved when it closes ("Window Left", "Window Top", "Window
// Width", "Window Height", "Window Maximized"). On a first start, or with values that make no
// sense, the window takes its designed size, as much of it as the screen has room for, centred.
class MainWindowGeometry final : public QObject {
    Q_OBJECT
public:
    // The designed size of the window's contents, in logical pixels.
    static constexpr QSize kDesignedSize{1240, 740};

    MainWindowGeometry(QWidget* window, SettingsStore& store);

    void restore();
    void save();

    // The stored contents rectangle, when all four values are whole numbers and the size is not empty.
    std::optional<QRect> storedRect() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    SettingsStore& m_store;
};

} // namespace cardisto
