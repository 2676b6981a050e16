// SPDX-License-Identifier: GPL-3.0-or-later
#include "XlsxWorkbook.h"

#include "SpreadsheetText.h"
#include "XlsxApplicationName.h"
#include "shell/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>
#include <xlsxwriter.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace cardisto {

namespace {

// Column width in the spreadsheet's units (about one digit each): the text plus a little room,
// no more than the format allows.
constexpr double kWidthPadding = 1.0;
constexpr double kWidestColumn = 255.0;

const QByteArray kApplicationName = QByteArrayLiteral("Cardisto");

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw ProcedureFailure(QString::fromUtf8(lxw_strerror(error)));
}

// What a document the user creates gets: read and write for all, less what the umask takes.
QFileDevice::Permissions newDocumentPermissions()
{
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                           QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                           QFileDevice::ReadOther | QFileDevice::WriteOther;
#ifdef Q_OS_UNIX
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (mask & S_IRUSR)
        permissions &= ~(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    if (mask & S_IWUSR)
        permissions &= ~(QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (mask & S_IRGRP)
        permissions &= ~QFileDevice::ReadGroup;
    if (mask & S_IWGRP)
        permissions &= ~QFileDevice::WriteGroup;
    if (mask & S_IROTH)
        permissions &= ~QFileDevice::ReadOther;
    if (mask & S_IWOTH)
        permissions &= ~QFileDevice::WriteOther;
#endif
    return permissions;
}

} // namespace

struct XlsxWorkbook::Sheet {
    lxw_worksheet* worksheet = nullptr;
    std::vector<qsizetype> widths; // per column, in characters
};

struct XlsxWorkbook::State {
    QString targetPath;
    QString buildingPath; // the file the workbook is built in; removed with the state unless it became the target
    QByteArray buildingName;
    lxw_workbook* workbook = nullptr;
    lxw_format* headerFormat = nullptr; // owned by the workbook
    std::vector<Sheet> sheets;
    QStringList header; // row 1, repeated on every further sheet

    ~State()
    {
        if (workbook)
            lxw_workbook_free(workbook); // an unfinished workbook is dropped without writing
        if (!buildingPath.isEmpty())
            QFile::remove(buildingPath);
    }
};

XlsxWorkbook::XlsxWorkbook(qsizetype dataRowsPerSheet) : m_dataRowsPerSheet(std::max<qsizetype>(dataRowsPerSheet, 1)) {}

XlsxWorkbook::~XlsxWorkbook() = default;

void XlsxWorkbook::newWorkbook(const QString& path)
{
    auto state = std::make_unique<State>();
    state->targetPath = path;
    const QFileInfo target(path);
    if (target.isDir())
        throw ProcedureFailure(QStringLiteral("Cannot save %1: it is a folder.").arg(path));
    {
        // Only the unique name is taken from QTemporaryFile: its handle is closed at once, since
        // Windows refuses to rename a file that is still open.
        QTemporaryFile building(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                                QStringLiteral(".XXXXXX"));
        if (!building.open())
            throw ProcedureFailure(QStringLiteral("Cannot create %1: %2").arg(path, building.errorString()));
        building.setAutoRemove(false); // the state removes it by name
        state->buildingPath = building.fileName();
    }
    state->buildingName = QFile::encodeName(state->buildingPath);

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE; // a very long list can pass the 4 GB of a plain zip
    state->workbook = workbook_new_opt(state->buildingName.constData(), &options);
    if (!state->workbook)
        throw ProcedureFailure(QStringLiteral("Cannot start a workbook for %1.").arg(path));
    state->headerFormat = workbook_add_format(state->workbook);
    format_set_bold(state->headerFormat);
    // The library copies the texts; it only takes them as writable strings.
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>("Cardisto Results");
    properties.author = const_cast<char*>("Cardisto");
    properties.comments = const_cast<char*>("Written by Cardisto");
    check(workbook_set_properties(state->workbook, &properties));
    m_changedCells = 0;
    m_state = std::move(state);
    addSheet();
}

XlsxWorkbook::Sheet& XlsxWorkbook::addSheet()
{
    lxw_worksheet* worksheet = workbook_add_worksheet(m_state->workbook, nullptr);
    if (!worksheet)
        throw ProcedureFailure(QStringLiteral("Cannot add a sheet to the workbook."));
    worksheet_freeze_panes(worksheet, 1, 0); // the header row stays in view
    m_state->sheets.push_back({worksheet, {}});
    Sheet& sheet = m_state->sheets.back();
    for (int column = 0; column < m_state->header.size(); ++column)
        writeToSheet(sheet, 0, column, m_state->header[column]);
    return sheet;
}

XlsxWorkbook::Sheet& XlsxWorkbook::sheetForRow(qsizetype row, qsizetype& sheetRow)
{
    if (row == 1) {
        sheetRow = 0;
        return m_state->sheets.front();
    }
    const qsizetype dataIndex = row - 2;
    const auto sheetIndex = size_t(dataIndex / m_dataRowsPerSheet);
    while (m_state->sheets.size() <= sheetIndex)
        addSheet();
    sheetRow = 1 + dataIndex % m_dataRowsPerSheet;
    return m_state->sheets[sheetIndex];
}

void XlsxWorkbook::writeCell(qsizetype row, int column, const QString& text)
{
    if (!m_state)
        throw ProcedureFailure(QStringLiteral("No workbook has been started."));
    if (row < 1 || column < 1)
        throw ProcedureFailure(QStringLiteral("Cell %1, %2 is outside the sheet.").arg(row).arg(column));
    CellTextChanges changes;
    const QString cellText = spreadsheetCellText(text, &changes);
    if (changes.any())
        ++m_changedCells;
    if (row == 1) {
        if (m_state->header.size() < column)
            m_state->header.resize(column);
        m_state->header[column - 1] = cellText;
    }
    qsizetype sheetRow = 0;
    Sheet& sheet = sheetForRow(row, sheetRow);
    writeToSheet(sheet, sheetRow, column - 1, cellText);
}

void XlsxWorkbook::writeToSheet(Sheet& sheet, qsizetype sheetRow, int column, const QString& cellText)
{
    if (sheet.widths.size() <= size_t(column))
        sheet.widths.resize(size_t(column) + 1, 0);
    sheet.widths[size_t(column)] = std::max(sheet.widths[size_t(column)], spreadsheetTextWidth(cellText));
    if (cellText.isEmpty())
        return; // an empty cell is no cell
    const QByteArray bytes = cellText.toUtf8();
    lxw_format* format = sheetRow == 0 ? m_state->headerFormat : nullptr;
    check(worksheet_write_string(sheet.worksheet, lxw_row_t(sheetRow), lxw_col_t(column), bytes.constData(), format));
}

void XlsxWorkbook::fitColumns()
{
    if (!m_state)
        throw ProcedureFailure(QStringLiteral("No workbook has been started."));
    for (const Sheet& sheet : m_state->sheets) {
        for (size_t column = 0; column < sheet.widths.size(); ++column) {
            if (sheet.widths[column] == 0)
                continue; // an empty column keeps the standard width
            const double width = std::min(double(sheet.widths[column]) + kWidthPadding, kWidestColumn);
            check(worksheet_set_column(sheet.worksheet, lxw_col_t(column), lxw_col_t(column), width, nullptr));
        }
    }
}

void XlsxWorkbook::save()
{
    if (!m_state)
        throw ProcedureFailure(QStringLiteral("No workbook has been started."));
    // The library keeps the rows in a temporary file of its own and does not look at how writing
    // them went: a disk that filled up meanwhile would give a workbook with rows missing.
    for (const Sheet& sheet : m_state->sheets) {
        if (FILE* rows = sheet.worksheet->optimize_tmpfile; rows && (std::fflush(rows) != 0 || std::ferror(rows)))
            throw ProcedureFailure(QStringLiteral("Cannot save %1: its rows could not all be written to a temporary "
                                                  "file (the disk may be full).")
                                       .arg(m_state->targetPath));
    }
    lxw_workbook* workbook = std::exchange(m_state->workbook, nullptr);
    const lxw_error closed = workbook_close(workbook); // frees the workbook whatever the outcome
    if (closed != LXW_NO_ERROR)
        throw ProcedureFailure(
            QStringLiteral("Cannot save %1: %2").arg(m_state->targetPath, QString::fromUtf8(lxw_strerror(closed))));
    QString failure;
    if (!nameWorkbookApplication(m_state->buildingPath, kApplicationName, failure))
        throw ProcedureFailure(QStringLiteral("Cannot save %1: %2").arg(m_state->targetPath, failure));
    // The finished file gets the permissions of the one it replaces, or those of a new document
    // (the temporary file it was built in is readable by its owner alone).
    const QString& target = m_state->targetPath;
    QFile::setPermissions(m_state->buildingPath,
                          QFileInfo::exists(target) ? QFile::permissions(target) : newDocumentPermissions());
    // Replaces an existing file in one step, so a reader sees the old workbook or the new one.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(m_state->buildingPath.toStdU16String()),
                            std::filesystem::path(m_state->targetPath.toStdU16String()), error);
    if (error) {
        QFile::remove(std::exchange(m_state->buildingPath, QString()));
        throw ProcedureFailure(
            QStringLiteral("Cannot save %1: %2").arg(m_state->targetPath, QString::fromStdString(error.message())));
    }
    m_state->buildingPath.clear(); // it has become the target
    m_state.reset();
}

} // namespace cardisto
