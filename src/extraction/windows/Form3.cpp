// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form3.h"

#include "TextSetFiles.h"
#include "TextSetList.h"
#include "ToolWindowHelp.h"
#include "ToolWindowHost.h"
#include "extraction/ExtractionCommands.h"
#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"
#include "shell/platform/Platform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace cardisto {

namespace {

// The run reads the item list for every line and hides the window when it ends.
class TextSetRunHost final : public ToolWindowHost {
public:
    TextSetRunHost(ToolWindowContext& context, WindowPointers& pointers, const RunStopKey& stopKey,
                   const TextSetList& items, QWidget& window)
        : ToolWindowHost(context, pointers, stopKey), m_items(items), m_window(window)
    {}

    QStringList textSetItems() const override { return m_items.items(); }
    void hideToolWindow() override { m_window.close(); }

private:
    const TextSetList& m_items;
    QWidget& m_window;
};

// What the item list shows while no item is selected.
QString itemCountText(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("No items");
    return count == 1 ? QStringLiteral("1 item, none selected") : QStringLiteral("%L1 items, none selected").arg(count);
}

} // namespace

template <typename Change> void Form3::appendKeepingSelection(Change&& change)
{
    const int selected = m_combo1->currentIndex();
    std::forward<Change>(change)();
    // The combo box selects the first entry of a list that was empty; the user has chosen nothing.
    if (selected < 0)
        m_combo1->setCurrentIndex(-1);
}

Form3::Form3(ToolWindowContext& context, QWidget* parent)
    : ToolWindow(context, QStringLiteral("Form3"), caption(), parent)
{
    m_items = new TextSetList(this);
    buildControls();
    m_host = std::make_unique<TextSetRunHost>(context, pointers(), stopKey(), *m_items, *this);
    Form_Load();
    connect(m_pushButton4, &QPushButton::clicked, this, &Form3::PushButton4_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &Form3::PushButton2_Click);
    connect(m_pushButton1, &QPushButton::clicked, this, &Form3::PushButton1_Click);
    connect(m_pushButton5, &QPushButton::clicked, this, &Form3::PushButton5_Click);
    connect(m_pushButton3, &QPushButton::clicked, this, &Form3::PushButton3_Click);
    connect(m_pushButton11, &QPushButton::clicked, this, &Form3::PushButton11_Click);
}

Form3::~Form3() = default;

QString Form3::caption()
{
    return QStringLiteral("Extract Lines Containing These Text Sets");
}

void Form3::buildControls()
{
    m_frame1 = new QGroupBox(QStringLiteral("Containing Text"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_combo1 = new QComboBox(m_frame1);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(m_frame1->title()); // what a screen reader names the list by
    // Only the list counts, so there is no text part to type into.
    m_combo1->setEditable(false);
    m_combo1->setModel(m_items);
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo1->setMinimumContentsLength(30);
    auto* frameLayout = new QVBoxLayout(m_frame1);
    frameLayout->addWidget(m_combo1);
    // With no item selected the box would look empty although the list holds items.
    const auto showItemCount = [this] { m_combo1->setPlaceholderText(itemCountText(m_items->count())); };
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_items, signal, this, showItemCount);
    connect(m_items, &QAbstractItemModel::modelReset, this, showItemCount);
    showItemCount();

    m_pushButton2 = addCommandButton(QStringLiteral("PushButton2"), QStringLiteral("Add Item"));
    m_pushButton1 = addCommandButton(QStringLiteral("PushButton1"), QStringLiteral("Remove Selected Item"));
    m_pushButton5 = addCommandButton(QStringLiteral("PushButton5"), QStringLiteral("Clear All Items"));
    m_pushButton3 =
        addCommandButton(QStringLiteral("PushButton3"), QStringLiteral("Load Multiple Items From Text File"));
    m_pushButton4 = addCommandButton(QStringLiteral("PushButton4"), QStringLiteral("Start Extracting"));
    m_pushButton11 = addCommandButton(QStringLiteral("PushButton11"), QStringLiteral("Help"));

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_pushButton2, 0, 0);
    buttons->addWidget(m_pushButton1, 0, 1);
    buttons->addWidget(m_pushButton5, 0, 2);
    buttons->addWidget(m_pushButton3, 1, 0, 1, 3);
    buttons->addWidget(m_pushButton4, 2, 0, 1, 2);
    buttons->addWidget(m_pushButton11, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addLayout(buttons);
}

void Form3::Form_Load()
{
    Guard guard = procedureGuard(QStringLiteral("Form_Load"));
    applyWindowLook(guard, {m_pushButton2, m_pushButton1, m_pushButton5, m_pushButton3, m_pushButton4, m_pushButton11});
    guard(106, [&] {
        appendKeepingSelection(
            [&] { m_items->append(splitComboItems(context().settings().read(SettingKey::Combo1))); });
    });
}

void Form3::SaveComboItems()
{
    // A failing save is reported by the store itself, once, as for every window.
    context().settings().save(SettingKey::Combo1, joinComboItems(m_items->items()));
}

void Form3::PushButton4_Click()
{
    ExtractTextSets(*m_host);
}

void Form3::PushButton2_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton2_Click"));
    QString text;
    guard(100, [&] { text = context().platform().inputBox(QStringLiteral("Enter text:")); });
    // Blanks count as an entry; only an empty answer (or Cancel) adds nothing.
    guard(102, [&] {
        if (!text.isEmpty())
            appendKeepingSelection([&] { m_items->append(text); });
    });
    guard(104, [&] { SaveComboItems(); });
}

void Form3::PushButton1_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton1_Click"));
    guard(100, [&] {
        const int selected = m_combo1->currentIndex();
        if (selected >= 0) {
            m_items->removeAt(selected);
            m_combo1->setCurrentIndex(-1);
        }
    });
    guard(102, [&] { SaveComboItems(); });
}

void Form3::PushButton5_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton5_Click"));
    guard(100, [&] { m_items->clear(); });
    guard(102, [&] { SaveComboItems(); });
}

void Form3::PushButton3_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton3_Click"));
    FileSelection selection;
    guard(100,
          [&] { selection = context().platform().chooseFilesToOpen(addFilesDialogTitle(), allFilesDialogFilter()); });
    if (selection.isTooManyFiles()) {
        guard(102, [&] { context().platform().showMessage(tooManyFilesMessage()); });
        return;
    }
    QStringList paths;
    guard(104, [&] { paths = selection.paths(); });
    // Each file on its own: a missing or unreadable one does not keep the others out. The list is
    // not stored here; the next add, remove or clear stores it with the loaded items.
    for (const QString& path : std::as_const(paths)) {
        guard(106, [&] { appendKeepingSelection([&] { LoadComboFromFile(*m_items, path, context().platform()); }); });
    }
}

void Form3::PushButton11_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton11_Click"));
    guard(100, [&] { showTextSetHelp(context().platform()); });
}

} // namespace cardisto
