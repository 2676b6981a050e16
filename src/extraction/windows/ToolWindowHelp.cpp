// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowHelp.h"

#include "shell/platform/Platform.h"

#include <QStringList>

namespace cardisto {

namespace {

QString helpLines(const QStringList& lines)
{
    return lines.join(u'\r');
}

} // namespace

QString betweenMarkersHelpText()
{
    // The second sample is a mailing's unsubscribe line: the address sits between "remove=" and the
    // closing quote before " target".
    return helpLines({
        QStringLiteral("If one of the files has this for content:"),
        QString(),
        QStringLiteral("The rain in spain falls mainly on the plain."),
        QString(),
        QStringLiteral("and your input is: "),
        QStringLiteral("p"),
        QStringLiteral("n"),
        QString(),
        QStringLiteral("then "),
        QString(),
        QStringLiteral("ai"),
        QStringLiteral("lai"),
        QString(),
        QStringLiteral("will be extracted."),
        QString(),
        QStringLiteral("If one of the files has this for content:"),
        QString(),
        QStringLiteral("<p style=\"font-size:11px\">You receive the Brambleton Seed Exchange letter because you "
                       "signed up at our spring fair. <a href=\"https://news.brambleton-seeds.example/optout?"
                       "list=spring&remove=wren.ashdown@mailbox.example\" target=\"_blank\">Unsubscribe</a></p>"),
        QString(),
        QStringLiteral("and your input is: "),
        QStringLiteral("remove="),
        QStringLiteral(" target"),
        QString(),
        QStringLiteral("then "),
        QString(),
        QStringLiteral("wren.ashdown@mailbox.example"),
        QString(),
        QStringLiteral("will be extracted."),
    });
}

QString textSetHelpText()
{
    // The results below are the verse lines that hold "i", "width" or "misery" in any letter case:
    // the three lines without an i stay out.
    return helpLines({
        QStringLiteral("A text set is a set of words or characters."),
        QString(),
        QStringLiteral("Add what you want to search for into the set by selecting \"Add Text\""),
        QString(),
        QStringLiteral("Sample Execution:"),
        QString(),
        QStringLiteral("Sample File:"),
        QString(),
        QStringLiteral("The harbour lamps are low and gold,"),
        QStringLiteral("   the gulls have gone to sleep;"),
        QStringLiteral("A width of water, calm and cold,"),
        QStringLiteral("   lies silver on the deep."),
        QString(),
        QStringLiteral("No misery can cross the bay"),
        QStringLiteral("   when stars are out to roam;"),
        QStringLiteral("The tide will carry it away"),
        QStringLiteral("   and bring the sailor home."),
        QString(),
        QStringLiteral("- Oona Pellworth"),
        QString(),
        QStringLiteral("Containing Text:"),
        QString(),
        QStringLiteral("i"),
        QStringLiteral("width"),
        QStringLiteral("misery"),
        QString(),
        QStringLiteral("Results:"),
        QString(),
        QStringLiteral("A width of water, calm and cold,"),
        QStringLiteral("lies silver on the deep."),
        QStringLiteral("No misery can cross the bay"),
        QStringLiteral("The tide will carry it away"),
        QStringLiteral("and bring the sailor home."),
    });
}

void showBetweenMarkersHelp(Platform& platform)
{
    platform.showMessage(betweenMarkersHelpText());
}

void showTextSetHelp(Platform& platform)
{
    platform.showMessage(textSetHelpText());
}

} // namespace cardisto
