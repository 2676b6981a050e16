// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListChangeWatch.h"

#include "shell/ErrorReport.h"

#include <QAbstractItemModel>

namespace cardisto {

ListChangeWatch::ListChangeWatch(const QAbstractItemModel& list, WriteProgress& window) : m_window(window)
{
    auto changed = [this] {
        m_changed = true;
    };
    using Model = QAbstractItemModel;
    m_connections = {
        QObject::connect(&list, &Model::rowsInserted, changed),
        QObject::connect(&list, &Model::rowsRemoved, changed),
        QObject::connect(&list, &Model::rowsMoved, changed),
        QObject::connect(&list, &Model::columnsInserted, changed),
        QObject::connect(&list, &Model::columnsRemoved, changed),
        QObject::connect(&list, &Model::columnsMoved, changed),
        QObject::connect(&list, &Model::headerDataChanged, changed),
        QObject::connect(&list, &Model::layoutChanged, changed),
        QObject::connect(&list, &Model::modelReset, changed),
        QObject::connect(&list, &QObject::destroyed, changed),
    };
}

ListChangeWatch::~ListChangeWatch()
{
    for (const QMetaObject::Connection& connection : m_connections)
        QObject::disconnect(connection);
}

void ListChangeWatch::letEventsRun()
{
    m_window.letEventsRun();
    if (m_changed)
        throw ProcedureFailure(listChangedDescription());
}

QString listChangedDescription()
{
    return QStringLiteral("The results list changed while it was being written out, so nothing was written. "
                          "Try again once the list is complete.");
}

} // namespace cardisto
