// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSoak.h"

#include "conversion/VcfFileReading.h"
#include "extraction/ConvertedLines.h"
#include "extraction/RunReport.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/TextSetList.h"
#include "shell/ProgressCaption.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/CaptionedProgressBar.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "support/RecordingErrorReporter.h"
#include "support/ResultRows.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

namespace cardisto::test {

namespace {

constexpr int kJournalLength = 12;

QString listed(const QStringList& rows)
{
    constexpr qsizetype kShown = 8;
    QString text = rows.mid(0, kShown).join(QStringLiteral(" / "));
    if (rows.size() > kShown)
        text += QStringLiteral(" ... (%1 in all)").arg(rows.size());
    return u'[' + text + u']';
}

// The count the status bar gives before `noun` ("input file", "result"): "no" is 0; none found is -1.
int countBefore(const QString& text, const QString& noun)
{
    const QRegularExpression pattern(QStringLiteral("(no|[0-9][0-9,.\u00a0 ]*) ") + noun,
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return -1;
    QString digits = match.captured(1);
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    return digits.isEmpty() ? 0 : digits.toInt();
}

// An aligned text, or the texts of result rows, with the blanks, tabs and line ends that lay them
// out taken out: result texts may hold blanks, tabs and line ends of their own.
QString withoutLayout(QString text)
{
    static const QRegularExpression layout(QStringLiteral("[ \t\r\n]"));
    return text.remove(layout);
}

} // namespace

WindowSoak::WindowSoak(quint32 seed)
    : m_seed(seed), m_random(seed), m_trace(qEnvironmentVariableIsSet("CARDISTO_SOAK_TRACE"))
{
    m_actions = mainWindowActions() + betweenWindowActions() + textSetWindowActions();
    m_fixture = std::make_unique<Form1Fixture>();
    // The program's sample files, recorded at the first start as an installed program records them.
    const QString samples = m_fixture->programFolder() + QStringLiteral("/Samples");
    QDir().mkpath(samples);
    for (QDirIterator it(QStringLiteral(CARDISTO_BINARY_DIR "/Samples"), {QStringLiteral("*.vcf")}); it.hasNext();) {
        const QString sample = it.next();
        QFile::copy(sample, samples + u'/' + it.fileName());
    }
    m_fixture->start();
    startMainWindow();
}

WindowSoak::~WindowSoak() = default;

void WindowSoak::startMainWindow()
{
    m_expectedInputs.clear();
    m_itemsUnsaved = false;
    form().show();
    activate(&form());
}

void WindowSoak::restartMainWindow()
{
    // Closing the main window closes the tool windows for good; the settings file stays.
    form().close();
    m_fixture->restart();
    startMainWindow();
}

void WindowSoak::activate(QWidget* window)
{
    if (!window->isVisible())
        window->show();
    QApplication::setActiveWindow(window);
}

QString WindowSoak::someText()
{
    static const QStringList texts{QString(), QStringLiteral("a"), QStringLiteral("@"), QStringLiteral("x.org"),
                                   QStringLiteral("ANN"), QStringLiteral("555"), QStringLiteral("Lee"),
                                   QStringLiteral("e"), QStringLiteral("zzz"), QStringLiteral("caf"),
                                   QStringLiteral("p1"), QStringLiteral(";")};
    return pickFrom(texts);
}

QStringList WindowSoak::someFiles()
{
    QStringList chosen;
    const int count = 1 + pick(3);
    for (int i = 0; i < count; ++i)
        chosen.append(pickFrom(m_files.vcards()));
    return chosen;
}

ExpectedRun WindowSoak::expectedLines(const std::function<bool(const QString&)>& keep)
{
    // The files read one at a time on this thread: what the run's worker, reading ahead in pieces,
    // must give too.
    const ConversionChoice choice = form().conversionChoice();
    const ExtractionOptions options = form().extractionOptions();
    // A window's run names the files it refuses as no vCard in one message at its end; every other
    // failure is an error box.
    struct ExpectedFailures final : ErrorReporter {
        void reportApplicationError(const ErrorLocation&, int, const QString&) override { ++errorBoxes; }
        void reportRefusedFile(const ErrorLocation&, int, const QString&, const QString& path) override
        {
            refused.append(path);
        }
        int errorBoxes = 0;
        QStringList refused;
    } reporter;
    QStringList rows;
    QSet<QString> seen;
    for (const QString& path : form().inputFiles().texts()) {
        const QString text = ReadVCFFileToString(path, choice, {}, reporter);
        for (const QStringView view : ConvertedLines(text)) {
            const QString line = view.toString();
            if ((keep && !keep(line)) || (options.removeDuplicates && seen.contains(line)))
                continue;
            seen.insert(line);
            rows.append(options.showSourceFilename ? path + u'|' + line : line);
        }
    }
    ExpectedRun expected;
    expected.rows = rows;
    expected.errorBoxes = reporter.errorBoxes;
    expected.refused = reporter.refused;
    return expected;
}

void WindowSoak::explainBadFileErrors()
{
    explainErrors([this](const QString& error) {
        return std::any_of(m_files.bad().cbegin(), m_files.bad().cend(),
                           [&](const QString& bad) { return error.contains(bad); });
    });
}

void WindowSoak::fail(const QString& what)
{
    if (m_failure.isEmpty())
        m_failure = what;
}

QString WindowSoak::run(int count)
{
    for (int number = 1; number <= count; ++number) {
        const SoakAction& action = pickAction(false);
        m_journal.append(QStringLiteral("%1 %2").arg(number).arg(QString::fromLatin1(action.name)));
        if (m_trace)
            qInfo("%s", qPrintable(m_journal.constLast()));
        QElapsedTimer took;
        took.start();
        runAction(action);
        check(action);
        if (m_trace)
            qInfo("  %lld ms", took.elapsed());
        if (m_journal.size() > kJournalLength)
            m_journal.remove(0, m_journal.size() - kJournalLength);
        if (!m_failure.isEmpty())
            return QStringLiteral("soak seed %1, action %2 (%3): %4\nlast actions: %5\n%6")
                .arg(m_seed)
                .arg(number)
                .arg(QString::fromLatin1(action.name), m_failure, m_journal.join(QStringLiteral("; ")),
                     replayText(number));
    }
    return {};
}

QString WindowSoak::replayText(int actionNumber) const
{
    return QStringLiteral("replay: CARDISTO_SOAK_SEED=%1 CARDISTO_SOAK_ACTIONS=%2 TestWindowSoak")
        .arg(m_seed)
        .arg(actionNumber);
}

const SoakAction& WindowSoak::pickAction(bool nestableOnly)
{
    QList<const SoakAction*> candidates;
    int total = 0;
    for (const SoakAction& action : std::as_const(m_actions)) {
        if ((nestableOnly && !action.nestable) || (action.possible && !action.possible(*this)))
            continue;
        candidates.append(&action);
        total += action.weight;
    }
    int ticket = pick(total);
    for (const SoakAction* action : std::as_const(candidates)) {
        ticket -= action->weight;
        if (ticket < 0)
            return *action;
    }
    return *candidates.constLast();
}

void WindowSoak::nestDuringAction()
{
    if (m_inNested)
        return;
    m_nestedScheduled = true;
    const SoakAction* nested = &pickAction(true);
    const int turns = pick(8);
    m_journal.append(QStringLiteral("  then %1 after %2 turns").arg(QString::fromLatin1(nested->name)).arg(turns));
    if (m_trace)
        qInfo("%s", qPrintable(m_journal.constLast()));
    // A chain of queued calls: each turn of events that the action lets run moves it on by one.
    auto* countdown = new QTimer(&form());
    m_countdown = countdown;
    countdown->setInterval(0);
    int left = turns;
    QObject::connect(countdown, &QTimer::timeout, countdown, [this, countdown, nested, left]() mutable {
        if (left-- > 0)
            return;
        countdown->stop();
        countdown->deleteLater();
        if (nested->possible && !nested->possible(*this))
            return;
        m_inNested = true;
        nested->run(*this);
        m_inNested = false;
    });
    countdown->start();
}

void WindowSoak::runAction(const SoakAction& action)
{
    m_expectedRun.reset();
    m_explained.clear();
    m_savedText.reset();
    m_nestedScheduled = false;
    action.run(*this);
    // The events the action left behind: status bar updates, commits, a nested action not yet due.
    const QPointer<Form1> window(&form());
    for (int turn = 0; turn < 12 && window; ++turn)
        QCoreApplication::processEvents();
    delete m_countdown; // a nested action still not due does not spill into the next action
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowSoak::check(const SoakAction&)
{
    checkBoxes();
    checkInputList();
    checkResults();
    checkStatusBar();
    checkAtRest();
    checkRememberedTexts();
    checkSavedText();
}

void WindowSoak::checkBoxes()
{
    if (m_trace) {
        for (const FakePlatform::Box& box : std::as_const(platform().boxes))
            qInfo("  box: %s", qPrintable(box.text.left(100)));
    }
    int badFileErrors = 0;
    for (const QString& error : platform().errors()) {
        if (std::none_of(m_explained.cbegin(), m_explained.cend(), [&](const auto& explains) { return explains(error); }))
            fail(QStringLiteral("an error box the action does not explain: ") + error);
        if (std::any_of(m_files.bad().cbegin(), m_files.bad().cend(),
                        [&](const QString& bad) { return error.contains(bad); }))
            ++badFileErrors;
    }
    if (m_expectedRun && !m_nestedScheduled && badFileErrors != m_expectedRun->errorBoxes)
        fail(QStringLiteral("%1 error boxes for files that cannot be read, where the listed files give %2")
                 .arg(badFileErrors)
                 .arg(m_expectedRun->errorBoxes));
    if (m_expectedRun && !m_nestedScheduled && !m_expectedRun->refused.isEmpty() &&
        !platform().messages().contains(refusedFilesMessage(m_expectedRun->refused)))
        fail(QStringLiteral("no message names the files refused as no vCard: ") + listed(m_expectedRun->refused));
    platform().boxes.clear();
    platform().dialogs.clear();
    platform().opened.clear();
    platform().dropUnusedAnswers();
}

void WindowSoak::checkInputList()
{
    const QStringList rows = form().inputFiles().texts();
    if (rows != m_expectedInputs)
        fail(QStringLiteral("the input list is %1, not %2").arg(listed(rows), listed(m_expectedInputs)));
}

void WindowSoak::checkResults()
{
    const ResultsModel& results = form().results();
    // Every row can be found by its texts, and a text no row holds is not found.
    for (qsizetype row = 0; row < results.totalRowCount(); ++row) {
        if (!results.containsRowText(results.rowText(row)) ||
            (results.hasSubItem(row) && !results.containsSubItemText(results.subItemText(row))))
            fail(QStringLiteral("row %1 (%2) is not found by its text").arg(row).arg(results.rowText(row)));
    }
    if (results.containsRowText(u"\u0001 no row") || results.containsSubItemText(u"\u0001 no row"))
        fail(QStringLiteral("a text no row holds is found"));
    if (results.pendingRowCount() != 0)
        fail(QStringLiteral("%1 rows never reached the list's view").arg(results.pendingRowCount()));
    if (!m_expectedRun || m_nestedScheduled)
        return;
    const QStringList rows = resultRows(results);
    if (m_expectedRun->rows && rows != *m_expectedRun->rows)
        fail(QStringLiteral("the run listed %1, reading each file alone gives %2")
                 .arg(listed(rows), listed(*m_expectedRun->rows)));
    if (m_expectedRun->rowHolds) {
        for (qsizetype row = m_expectedRun->rowsBefore; row < results.totalRowCount(); ++row) {
            const QString text = results.hasSubItem(row) ? results.subItemText(row) : results.rowText(row);
            if (!m_expectedRun->rowHolds(text))
                fail(QStringLiteral("the run listed %1, which it should not").arg(text));
        }
    }
}

void WindowSoak::checkStatusBar()
{
    const QString text = form().statusBar().text();
    const int inputs = countBefore(text, QStringLiteral("input file"));
    const int results = countBefore(text, QStringLiteral("result"));
    if (inputs != form().inputFiles().count() || results != form().results().rowCount())
        fail(QStringLiteral("the status bar says \"%1\" for %2 input files and %3 results")
                 .arg(text)
                 .arg(form().inputFiles().count())
                 .arg(form().results().rowCount()));
}

void WindowSoak::checkAtRest()
{
    if (form().isBusy())
        fail(QStringLiteral("the main window still shows the hourglass"));
    for (const ToolWindow* tool : form().findChildren<ToolWindow*>()) {
        if (tool->showsHourglass())
            fail(QStringLiteral("%1 still shows the hourglass").arg(tool->objectName()));
    }
    // At rest, or saying where Esc stopped the last run (until the next run; the status bar's note
    // may have moved on to a save since).
    static const QRegularExpression stopped(QStringLiteral("^Stopped (in file \\d+ of \\d+|after \\d+ of \\d+ files)$"));
    const QString caption = form().controls().ProgressBar1->caption();
    const bool saysStop = stopped.match(caption).hasMatch();
    if (caption != restingProgressCaption() && !saysStop)
        fail(QStringLiteral("the progress bar still says \"%1\"").arg(caption));
}

void WindowSoak::checkRememberedTexts()
{
    SettingsStore& store = m_fixture->store();
    const auto same = [&](SettingKey key, const QString& shown, const char* what) {
        if (store.read(key) != shown)
            fail(QStringLiteral("%1 shows \"%2\" but \"%3\" is remembered")
                     .arg(QString::fromLatin1(what), shown, store.read(key)));
    };
    const Form1Controls& c = form().controls();
    same(SettingKey::Text1, c.Text1->text(), "Text1");
    same(SettingKey::Text2, c.Text2->text(), "Text2");
    same(SettingKey::Text5, c.Text5->text(), "Text5");
    if (const Form2* between = form().findChild<Form2*>()) {
        same(SettingKey::StartWith, namedChild<QLineEdit>(between, "Text3")->text(), "Text3");
        same(SettingKey::EndWith, namedChild<QLineEdit>(between, "Text4")->text(), "Text4");
    }
    if (const Form3* textSets = form().findChild<Form3*>(); textSets && !m_itemsUnsaved)
        same(SettingKey::Combo1, joinComboItems(textSets->items().items()), "Combo1");
}

void WindowSoak::checkSavedText()
{
    if (!m_savedText)
        return;
    const auto& [text, withHeader] = *m_savedText;
    // The header line is the one line no result text is part of.
    const QString written = withoutLayout(withHeader ? text.section(QStringLiteral("\r\n"), 1) : text);
    // What the list shows of each ticked row: a run that rebuilt the list's columns without the
    // source column leaves the earlier rows showing their first column only, and so they are saved.
    QString expected;
    const ResultsModel& results = form().results();
    for (qsizetype row = 0; row < results.totalRowCount(); ++row) {
        if (!results.isRowChecked(row))
            continue;
        expected += results.rowText(row);
        if (results.columnCount() > 1)
            expected += results.subItemText(row);
    }
    expected = withoutLayout(expected);
    if (written != expected) {
        qsizetype at = 0;
        while (at < written.size() && at < expected.size() && written[at] == expected[at])
            ++at;
        fail(QStringLiteral("the saved text holds \"...%1\" where the ticked results give \"...%2\"")
                 .arg(written.mid(at, 80), expected.mid(at, 80)));
    }
}

} // namespace cardisto::test
