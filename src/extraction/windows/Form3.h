// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindow.h"

#include <memory>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace cardisto {

class ExtractionHost;
class TextSetList;

// "Extract Lines Containing These Text Sets": appends to the results every line of the input files
// that contains an item of the text set, once for every item it contains. The item list is
// remembered ("Combo1") whenever it is changed by adding, removing or clearing; loading items from
// files leaves that to the next such change. The window hides itself when a run ends.
class Form3 final : public ToolWindow {
    Q_OBJECT
public:
    explicit Form3(ToolWindowContext& context, QWidget* parent = nullptr);
    ~Form3() override;

    static QString caption(); // "Extract Lines Containing These Text Sets"

    const TextSetList& items() const { return *m_items; }

    // "Start Extracting".
    void PushButton4_Click();
    // "Add Item": asks for a text and appends it.
    void PushButton2_Click();
    // "Remove Selected Item".
    void PushButton1_Click();
    // "Clear All Items".
    void PushButton5_Click();
    // "Load Multiple Items From Text File".
    void PushButton3_Click();
    // "Help".
    void PushButton11_Click();

private:
    void buildControls();
    void Form_Load();
    void SaveComboItems();
    // Appending keeps the selection as it was: no item is selected unless the user chose one.
    template <typename Change> void appendKeepingSelection(Change&& change);

    TextSetList* m_items = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton5 = nullptr;
    QPushButton* m_pushButton3 = nullptr;
    QPushButton* m_pushButton4 = nullptr;
    QPushButton* m_pushButton11 = nullptr;
    std::unique_ptr<ExtractionHost> m_host;
};

} // namespace cardisto
