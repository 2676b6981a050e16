// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowStatusBar.h"

#include <QAbstractItemModel>
#include <QBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace cardisto {

namespace {

QString counted(int count, const QString& one, const QString& many)
{
    if (count == 0)
        return QStringLiteral("no ") + many;
    return QStringLiteral("%L1 ").arg(count) + (count == 1 ? one : many);
}

} // namespace

MainWindowStatusBar::MainWindowStatusBar(QWidget* window, const QAbstractItemModel& inputFiles,
                                         const QAbstractItemModel& results)
    : QObject(window), m_inputFiles(inputFiles), m_results(results), m_bar(new QStatusBar(window)),
      m_counts(new QLabel(m_bar)), m_note(new QLabel(m_bar))
{
    m_bar->setObjectName(QStringLiteral("StatusBar"));
    m_counts->setObjectName(QStringLiteral("StatusCounts"));
    m_note->setObjectName(QStringLiteral("StatusNote"));
    // A long note (a workbook's path) must not make the window wider; a gap sets it off the counts.
    m_note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_note->setContentsMargins(m_note->fontMetrics().averageCharWidth() * 3, 0, 0, 0);
    m_bar->addWidget(m_counts);
    m_bar->addWidget(m_note, 1);
    if (auto* layout = qobject_cast<QBoxLayout*>(window->layout()))
        layout->addWidget(m_bar);
    watch(inputFiles);
    watch(results);
    update();
}

QString MainWindowStatusBar::countsText(int inputFiles, int results)
{
    QString text = counted(inputFiles, QStringLiteral("input file"), QStringLiteral("input files")) +
                   QStringLiteral(", ") + counted(results, QStringLiteral("result"), QStringLiteral("results"));
    text[0] = text[0].toUpper();
    return text;
}

QString MainWindowStatusBar::text() const
{
    return m_counts->text();
}

void MainWindowStatusBar::setNote(const QString& note)
{
    m_note->setText(note);
    m_note->setToolTip(note);
}

QString MainWindowStatusBar::note() const
{
    return m_note->text();
}

void MainWindowStatusBar::watch(const QAbstractItemModel& model)
{
    connect(&model, &QAbstractItemModel::rowsInserted, this, &MainWindowStatusBar::scheduleUpdate);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &MainWindowStatusBar::scheduleUpdate);
    connect(&model, &QAbstractItemModel::modelReset, this, &MainWindowStatusBar::scheduleUpdate);
    connect(&model, &QAbstractItemModel::layoutChanged, this, &MainWindowStatusBar::scheduleUpdate);
}

void MainWindowStatusBar::scheduleUpdate()
{
    if (std::exchange(m_updatePending, true))
        return;
    QTimer::singleShot(0, this, &MainWindowStatusBar::update);
}

void MainWindowStatusBar::update()
{
    m_updatePending = false;
    m_counts->setText(countsText(m_inputFiles.rowCount(), m_results.rowCount()));
}

} // namespace cardisto
