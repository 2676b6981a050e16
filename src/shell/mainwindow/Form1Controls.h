// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QWidget;

namespace cardisto {

class CaptionedProgressBar;

// The controls of the main window, each named and captioned as the program has always named them.
struct Form1Controls {
    // "Extract From"
    QGroupBox* Frame1;
    QRadioButton* Option2; // "Some Fields:"
    QCheckBox* Check3;     // "E-mails"
    QCheckBox* Check4;     // "Phone Numbers"
    QCheckBox* Check6;     // "Names"
    QCheckBox* Check8;     // "Addresses"
    QRadioButton* Option1; // "All Fields"

    // The input file list and its buttons.
    QTableView* ListView1;
    QPushButton* PushButton1;  // "Add VCF Files"
    QPushButton* PushButton5;  // "Add All VCF Files In Folder"
    QPushButton* PushButton21; // "Load List Of Files From Text File"
    QPushButton* PushButton23; // "Load Sample/Example Files"
    QPushButton* PushButton3;  // "Remove Filenames Containing X"
    QPushButton* PushButton11; // "Remove Filenames Not Cont. X"
    QPushButton* PushButton14; // "Clear List" (input files)

    // "Extraction Options"
    QGroupBox* Frame2;
    QCheckBox* Check1;  // "Remove duplicate results"
    QCheckBox* Check14; // "Show source filename next to extracted text"
    QCheckBox* Check15; // "Read vCards as the standard defines them"

    // The extraction commands with their text boxes and help buttons.
    QPushButton* PushButton13; // "Extract All Lines"
    QPushButton* PushButton2;  // "Extract All Lines Containing This Text:"
    QLineEdit* Text1;
    QPushButton* PushButton8; // "Extract All Lines Not Contain. This Text:"
    QLineEdit* Text2;
    QPushButton* PushButton7; // "Extract Lines By Number:"
    QLineEdit* Text5;
    QPushButton* PushButton10; // "Help >"
    QPushButton* PushButton4;  // "Extract Between X and Y (Repeatedly)"
    QPushButton* PushButton16; // "Help >"
    QPushButton* PushButton15; // "Extract Lines Containing These Text Sets"
    QPushButton* PushButton17; // "Help >"
    QPushButton* PushButton24; // "Contacts Table"

    // The results list and its buttons.
    QTableView* ListView2;
    QPushButton* PushButton6;  // "Save Results As Text File"
    QPushButton* PushButton12; // "Save Results As Excel File"
    QPushButton* PushButton18; // "Copy Results To Clipboard"
    QPushButton* PushButton9;  // "Clear List" (results)

    CaptionedProgressBar* ProgressBar1;
    QPushButton* PushButton22; // "Help"

    // The area that holds all the controls above; it scrolls when the window is made smaller than
    // the controls need, so the window itself fits any screen.
    QWidget* content;

    QList<QPushButton*> commandButtons() const;
    // The window's background areas: the frames and the content area (the window itself is one too).
    QList<QWidget*> frames() const;
};

// Creates the controls on the window and lays them out: the input side on the left, the extraction
// commands and results on the right, the progress bar across the bottom. The two lists take the
// room the window has to spare. On a narrower window the extraction options move below the
// commands and the output buttons wrap, so every control stays whole; a window smaller still
// scrolls: everything sits in a scroll area that fills the window's layout.
Form1Controls buildForm1Controls(QWidget* window);

} // namespace cardisto
