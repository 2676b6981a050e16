// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WriteProgress.h"

#include <QList>
#include <QMetaObject>
#include <QString>

class QAbstractItemModel;

namespace cardisto {

// The output commands let window events run while they read the results list, so the user may
// clear it or start a new extraction in the middle. Reading on would write blank or misaligned
// lines and announce success; instead the command stops at the next chance for events and reports
// the change. Only changes to rows and columns count: ticking a row's check box does not.
class ListChangeWatch final : public WriteProgress {
public:
    // Passes the progress on to `window` and watches `list` from now on.
    ListChangeWatch(const QAbstractItemModel& list, WriteProgress& window);
    ~ListChangeWatch() override;
    ListChangeWatch(const ListChangeWatch&) = delete;
    ListChangeWatch& operator=(const ListChangeWatch&) = delete;

    void setProgressValue(int value) override { m_window.setProgressValue(value); }
    void setProgressCaption(const QString& caption) override { m_window.setProgressCaption(caption); }
    // Lets events run, then throws ProcedureFailure when they changed the list.
    void letEventsRun() override;

private:
    WriteProgress& m_window;
    QList<QMetaObject::Connection> m_connections;
    bool m_changed = false;
};

// The description of the failure, as the error box shows it.
QString listChangedDescription();

} // namespace cardisto
