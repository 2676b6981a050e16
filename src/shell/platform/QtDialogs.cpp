// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "FileDialogFilter.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

namespace cardisto {

namespace {

void prepareFileDialog(QFileDialog& dialog, const QString& title, const QString& folder)
{
    dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!folder.isEmpty())
        dialog.setDirectory(QDir::fromNativeSeparators(folder));
}

void applyFilter(QFileDialog& dialog, const QString& filter)
{
    const QStringList filters = qtNameFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
}

// What a title bar shows beside the caption: the window's icon and the window manager's buttons.
constexpr int kTitleBarExtras = 120;

// The width a title bar needs to show a window's whole caption (title bars mostly use bold type).
int captionWidth(const QWidget& window)
{
    QFont title = window.font();
    title.setBold(true);
    return QFontMetrics(title).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

const QRegularExpression& webAddress()
{
    static const QRegularExpression address(QStringLiteral(R"((?:https?://|www\.)\S+)"));
    return address;
}

// A line may break after any "/" of a web address: an address that does not begin its line
// starts one of its own instead, where it fits whole.
QString addressesOnLinesOfTheirOwn(const QString& text)
{
    static const QRegularExpression blanksBeforeAddress(QStringLiteral(R"([ \t]+(?=(?:https?://|www\.)\S))"));
    return QString(text).replace(blanksBeforeAddress, QStringLiteral("\n"));
}

// The box is made as wide as its caption needs, and its text as wide as its widest web address, so
// that neither is cut short or broken. A minimum narrower than the text's longest line would keep
// Qt from wrapping the text and cut it instead: one is only set when it is wider than that line,
// or wider than the width at which Qt wraps a box's text (half the screen, 500 pixels at most).
void keepCaptionAndAddressesWhole(QMessageBox& box, const QString& shownText)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics metrics(label->font());
    int longestLine = 0;
    for (const QString& line : shownText.split(u'\n'))
        longestLine = std::max(longestLine, metrics.horizontalAdvance(line));
    int widestAddress = 0;
    for (auto match = webAddress().globalMatch(shownText); match.hasNext();)
        widestAddress = std::max(widestAddress, metrics.horizontalAdvance(match.next().captured()) + 2);
    const int wrapWidth = box.screen() ? std::min(box.screen()->availableGeometry().width() / 2, 500) : 500;
    const int needed = std::max(captionWidth(box), widestAddress);
    if (needed > longestLine || needed > wrapWidth)
        label->setMinimumWidth(needed);
}

} // namespace

QString boxDisplayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& text, const QString& caption,
                                            QMessageBox::StandardButtons buttons, QWidget* parent)
{
    const QString shown = addressesOnLinesOfTheirOwn(boxDisplayText(text));
    auto box = std::make_unique<QMessageBox>(icon, caption, shown, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    keepCaptionAndAddressesWhole(*box, shown);
    // A screen reader reads a box's description when the box opens.
    box->setAccessibleDescription(boxDisplayText(text));
    if (buttons.testFlag(QMessageBox::Yes) && buttons.testFlag(QMessageBox::No)) {
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    }
    return box;
}

std::unique_ptr<QInputDialog> makeInputDialog(const QString& prompt, const QString& title, const QString& defaultText,
                                              QWidget* parent)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(title);
    dialog->setLabelText(boxDisplayText(prompt));
    dialog->setTextValue(defaultText);
    dialog->setMinimumWidth(captionWidth(*dialog));
    return dialog;
}

std::unique_ptr<QFileDialog> makeOpenFilesDialog(const QString& title, const QString& filter, const QString& folder,
                                                 QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    prepareFileDialog(*dialog, title, folder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    applyFilter(*dialog, filter);
    return dialog;
}

std::unique_ptr<QFileDialog> makeSaveDialog(const QString& title, const QString& filter, const QString& folder,
                                            QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    prepareFileDialog(*dialog, title, folder);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setDefaultSuffix(QString());
    applyFilter(*dialog, filter);
    return dialog;
}

std::unique_ptr<QFileDialog> makeFolderDialog(const QString& title, const QString& startFolder, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    prepareFileDialog(*dialog, title, startFolder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly, true);
    return dialog;
}

} // namespace cardisto
