// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form2.h"

#include "ToolWindowHelp.h"
#include "ToolWindowHost.h"
#include "extraction/ExtractionCommands.h"
#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace cardisto {

namespace {

// The run reads its markers from the window's two text boxes, afresh for every file.
class MarkerRunHost final : public ToolWindowHost {
public:
    MarkerRunHost(ToolWindowContext& context, WindowPointers& pointers, const RunStopKey& stopKey,
                  const QLineEdit& startMarker, const QLineEdit& endMarker)
        : ToolWindowHost(context, pointers, stopKey), m_startMarker(startMarker), m_endMarker(endMarker)
    {}

    QString extractionText(ExtractionText box) const override
    {
        switch (box) {
        case ExtractionText::StartMarker:
            return m_startMarker.text();
        case ExtractionText::EndMarker:
            return m_endMarker.text();
        default:
            return {};
        }
    }

private:
    const QLineEdit& m_startMarker;
    const QLineEdit& m_endMarker;
};

QLineEdit* markerBox(const QString& name, QGroupBox* frame)
{
    auto* box = new QLineEdit(frame);
    box->setObjectName(name);
    box->setAccessibleName(frame->title()); // what a screen reader names the box by
    // Not cut at the line edit's usual 32,767 characters: a marker is used and remembered whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    return box;
}

} // namespace

Form2::Form2(ToolWindowContext& context, QWidget* parent)
    : ToolWindow(context, QStringLiteral("Form2"), caption(), parent)
{
    buildControls();
    m_host = std::make_unique<MarkerRunHost>(context, pointers(), stopKey(), *m_text3, *m_text4);
    Form_Load();
    // A failing save is reported by the store itself, once, as for every window.
    connect(m_text3, &QLineEdit::textChanged, this,
            [this](const QString& text) { this->context().settings().save(SettingKey::StartWith, text); });
    connect(m_text4, &QLineEdit::textChanged, this,
            [this](const QString& text) { this->context().settings().save(SettingKey::EndWith, text); });
    connect(m_pushButton4, &QPushButton::clicked, this, &Form2::PushButton4_Click);
    connect(m_pushButton11, &QPushButton::clicked, this, &Form2::PushButton11_Click);
    connect(m_pushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
}

Form2::~Form2() = default;

QString Form2::caption()
{
    return QStringLiteral("Extract Between X and Y (Repeatedly)");
}

void Form2::buildControls()
{
    m_frame1 = new QGroupBox(QStringLiteral("Start with (X)"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_text3 = markerBox(QStringLiteral("Text3"), m_frame1);
    m_frame2 = new QGroupBox(QStringLiteral("End with (Y)"), this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_text4 = markerBox(QStringLiteral("Text4"), m_frame2);

    m_pushButton4 = addCommandButton(QStringLiteral("PushButton4"), QStringLiteral("Start Extracting"));
    m_pushButton11 = addCommandButton(QStringLiteral("PushButton11"), QStringLiteral("Help"));
    m_pushButton1 = addCommandButton(QStringLiteral("PushButton1"), QStringLiteral("Close This Window"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pushButton4);
    buttons->addWidget(m_pushButton11);
    buttons->addWidget(m_pushButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame2);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void Form2::Form_Load()
{
    Guard guard = procedureGuard(QStringLiteral("Form_Load"));
    applyWindowLook(guard, {m_pushButton4, m_pushButton11, m_pushButton1});
    guard(106, [&] { m_text3->setText(context().settings().read(SettingKey::StartWith)); });
    guard(108, [&] { m_text4->setText(context().settings().read(SettingKey::EndWith)); });
}

void Form2::PushButton4_Click()
{
    ExtractBetweenMarkers(*m_host);
}

void Form2::PushButton11_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton11_Click"));
    guard(100, [&] { showBetweenMarkersHelp(context().platform()); });
}

void Form2::PushButton1_Click()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton1_Click"));
    guard(100, [&] { close(); });
}

} // namespace cardisto
