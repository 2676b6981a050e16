// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Controls.h"

#include "CaptionedProgressBar.h"
#include "conversion/ConversionChoice.h"
#include "shell/ProgressCaption.h"
#include "shell/widgets/WrappingRowLayout.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <limits>
#include <utility>

namespace cardisto {

namespace {

template <typename Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QPushButton* button(QWidget* window, const char* name, const QString& caption)
{
    return named(new QPushButton(caption, window), name);
}

QCheckBox* checkBox(QWidget* window, const char* name, const QString& caption)
{
    return named(new QCheckBox(caption, window), name);
}

// label: the caption of the command button beside the box, which is what a screen reader names it by.
QLineEdit* textBox(QWidget* window, const char* name, const QPushButton* label)
{
    auto* box = named(new QLineEdit(window), name);
    box->setAccessibleName(label->text());
    box->setMinimumWidth(120);
    // A line edit cuts texts at 32,767 characters unless told otherwise; a pasted list of line
    // numbers or a long filter text must arrive and be remembered whole.
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QTableView* list(QWidget* window, const char* name)
{
    auto* view = named(new QTableView(window), name);
    view->setMinimumSize(240, 160);
    return view;
}

void layOutExtractFrom(const Form1Controls& c)
{
    auto* grid = new QGridLayout(c.Frame1);
    grid->addWidget(c.Option2, 0, 0);
    grid->addWidget(c.Check3, 0, 1);
    grid->addWidget(c.Check4, 0, 2);
    grid->addWidget(c.Check6, 1, 1);
    grid->addWidget(c.Check8, 1, 2);
    grid->addWidget(c.Option1, 2, 0);
    grid->setColumnStretch(3, 1);
}

QLayout* inputSide(const Form1Controls& c)
{
    auto* buttons = new QGridLayout;
    buttons->addWidget(c.PushButton1, 0, 0);
    buttons->addWidget(c.PushButton5, 0, 1);
    buttons->addWidget(c.PushButton21, 1, 0);
    buttons->addWidget(c.PushButton23, 1, 1);
    buttons->addWidget(c.PushButton3, 2, 0);
    buttons->addWidget(c.PushButton11, 2, 1);
    buttons->addWidget(c.PushButton14, 3, 0);

    auto* side = new QVBoxLayout;
    side->addWidget(c.Frame1);
    side->addWidget(c.ListView1, 1);
    side->addLayout(buttons);
    return side;
}

QLayout* resultsSide(const Form1Controls& c)
{
    auto* options = new QVBoxLayout(c.Frame2);
    options->addWidget(c.Check1);
    options->addWidget(c.Check14);
    options->addWidget(c.Check15);

    auto* commands = new QGridLayout;
    commands->addWidget(c.PushButton13, 0, 0);
    commands->addWidget(c.PushButton2, 1, 0);
    commands->addWidget(c.Text1, 1, 1, 1, 2);
    commands->addWidget(c.PushButton8, 2, 0);
    commands->addWidget(c.Text2, 2, 1, 1, 2);
    commands->addWidget(c.PushButton7, 3, 0);
    commands->addWidget(c.Text5, 3, 1);
    commands->addWidget(c.PushButton10, 3, 2);
    commands->addWidget(c.PushButton4, 4, 0);
    commands->addWidget(c.PushButton16, 4, 2);
    commands->addWidget(c.PushButton15, 5, 0);
    commands->addWidget(c.PushButton17, 5, 2);
    commands->addWidget(c.PushButton24, 6, 0);
    commands->setColumnStretch(1, 1);

    // On a narrow window the options go below the commands, and the output buttons onto two rows.
    auto* top = new WrappingRowLayout;
    top->addLayout(commands, true);
    top->addWidget(c.Frame2, false);

    auto* output = new WrappingRowLayout;
    for (QPushButton* b : {c.PushButton6, c.PushButton12, c.PushButton18, c.PushButton9})
        output->addWidget(b, false);

    auto* side = new QVBoxLayout;
    side->addLayout(top);
    side->addWidget(c.ListView2, 1);
    side->addLayout(output);
    return side;
}

} // namespace

QList<QPushButton*> Form1Controls::commandButtons() const
{
    return {PushButton1,  PushButton2,  PushButton3,  PushButton4,  PushButton5,  PushButton6,  PushButton7,
            PushButton8,  PushButton9,  PushButton10, PushButton11, PushButton12, PushButton13, PushButton14,
            PushButton15, PushButton16, PushButton17, PushButton18, PushButton21, PushButton22, PushButton23,
            PushButton24};
}

QList<QWidget*> Form1Controls::frames() const
{
    return {Frame1, Frame2, content};
}

Form1Controls buildForm1Controls(QWidget* form)
{
    Form1Controls c{};
    auto* scrollArea = named(new QScrollArea(form), "ScrollArea");
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls; the area follows the focus
    QWidget* window = c.content = named(new QWidget, "Content");
    c.Frame1 = named(new QGroupBox(QStringLiteral("Extract From"), window), "Frame1");
    c.Option2 = named(new QRadioButton(QStringLiteral("Some Fields:"), c.Frame1), "Option2");
    c.Check3 = checkBox(c.Frame1, "Check3", QStringLiteral("E-mails"));
    c.Check4 = checkBox(c.Frame1, "Check4", QStringLiteral("Phone Numbers"));
    c.Check6 = checkBox(c.Frame1, "Check6", QStringLiteral("Names"));
    c.Check8 = checkBox(c.Frame1, "Check8", QStringLiteral("Addresses"));
    c.Option1 = named(new QRadioButton(QStringLiteral("All Fields"), c.Frame1), "Option1");
    // As the window was designed: "All Fields", which needs no field groups.
    c.Option1->setChecked(true);
    for (QCheckBox* box : {c.Check3, c.Check4, c.Check6, c.Check8})
        box->setEnabled(false);

    c.ListView1 = list(window, "ListView1");
    c.PushButton1 = button(window, "PushButton1", QStringLiteral("Add VCF Files"));
    c.PushButton5 = button(window, "PushButton5", QStringLiteral("Add All VCF Files In Folder"));
    c.PushButton21 = button(window, "PushButton21", QStringLiteral("Load List Of Files From Text File"));
    c.PushButton23 = button(window, "PushButton23", QStringLiteral("Load Sample/Example Files"));
    c.PushButton3 = button(window, "PushButton3", QStringLiteral("Remove Filenames Containing X"));
    c.PushButton11 = button(window, "PushButton11", QStringLiteral("Remove Filenames Not Cont. X"));
    c.PushButton14 = button(window, "PushButton14", QStringLiteral("Clear List"));

    c.PushButton13 = button(window, "PushButton13", QStringLiteral("Extract All Lines"));
    c.PushButton2 = button(window, "PushButton2", QStringLiteral("Extract All Lines Containing This Text:"));
    c.Text1 = textBox(window, "Text1", c.PushButton2);
    c.PushButton8 = button(window, "PushButton8", QStringLiteral("Extract All Lines Not Contain. This Text:"));
    c.Text2 = textBox(window, "Text2", c.PushButton8);
    c.PushButton7 = button(window, "PushButton7", QStringLiteral("Extract Lines By Number:"));
    c.Text5 = textBox(window, "Text5", c.PushButton7);
    c.PushButton10 = button(window, "PushButton10", QStringLiteral("Help >"));
    c.PushButton4 = button(window, "PushButton4", QStringLiteral("Extract Between X and Y (Repeatedly)"));
    c.PushButton16 = button(window, "PushButton16", QStringLiteral("Help >"));
    c.PushButton15 = button(window, "PushButton15", QStringLiteral("Extract Lines Containing These Text Sets"));
    c.PushButton17 = button(window, "PushButton17", QStringLiteral("Help >"));
    // Three buttons read "Help >": a screen reader also says which command each one helps with.
    for (auto [help, command] : {std::pair{c.PushButton10, c.PushButton7}, std::pair{c.PushButton16, c.PushButton4},
                                 std::pair{c.PushButton17, c.PushButton15}})
        help->setAccessibleDescription(QStringLiteral("Help on ") + command->text());
    c.PushButton24 = button(window, "PushButton24", QStringLiteral("Contacts Table"));

    c.Frame2 = named(new QGroupBox(QStringLiteral("Extraction Options"), window), "Frame2");
    c.Check1 = checkBox(c.Frame2, "Check1", QStringLiteral("Remove duplicate results"));
    c.Check14 = checkBox(c.Frame2, "Check14", QStringLiteral("Show source filename next to extracted text"));
    c.Check15 = checkBox(c.Frame2, "Check15", decodeOptionCaption());

    c.ListView2 = list(window, "ListView2");
    c.PushButton6 = button(window, "PushButton6", QStringLiteral("Save Results As Text File"));
    c.PushButton12 = button(window, "PushButton12", QStringLiteral("Save Results As Excel File"));
    c.PushButton18 = button(window, "PushButton18", QStringLiteral("Copy Results To Clipboard"));
    c.PushButton9 = button(window, "PushButton9", QStringLiteral("Clear List"));

    c.ProgressBar1 = named(new CaptionedProgressBar(window), "ProgressBar1");
    c.ProgressBar1->setCaption(restingProgressCaption());
    c.PushButton22 = button(window, "PushButton22", QStringLiteral("Help"));

    layOutExtractFrom(c);
    // No stretch factors: they would let each side shrink to its minimum before the other, and the
    // options would move below the commands while there is room beside them. Each side gets what it
    // prefers, then half of what is left.
    auto* sides = new QHBoxLayout;
    sides->addLayout(inputSide(c));
    sides->addLayout(resultsSide(c));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(c.ProgressBar1, 1);
    bottom->addWidget(c.PushButton22);
    auto* root = new QVBoxLayout(window);
    root->addLayout(sides, 1);
    root->addLayout(bottom);
    scrollArea->setWidget(window);

    auto* formLayout = new QVBoxLayout(form);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->setSpacing(0);
    formLayout->addWidget(scrollArea, 1);
    return c;
}

} // namespace cardisto
