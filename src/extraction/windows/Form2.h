// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindow.h"

#include <memory>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace cardisto {

class ExtractionHost;

// "Extract Between X and Y (Repeatedly)": lists every stretch of the input files' converted text
// that starts with the text in "Start with (X)" and runs up to the next text in "End with (Y)".
// Both texts are remembered ("StartWith", "EndWith") the moment they change.
class Form2 final : public ToolWindow {
    Q_OBJECT
public:
    explicit Form2(ToolWindowContext& context, QWidget* parent = nullptr);
    ~Form2() override;

    static QString caption(); // "Extract Between X and Y (Repeatedly)"

    // "Start Extracting".
    void PushButton4_Click();
    // "Help".
    void PushButton11_Click();
    // "Close This Window": hides it.
    void PushButton1_Click();

private:
    void buildControls();
    void Form_Load();

    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QLineEdit* m_text4 = nullptr;
    QPushButton* m_pushButton4 = nullptr;
    QPushButton* m_pushButton11 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    std::unique_ptr<ExtractionHost> m_host;
};

} // namespace cardisto
