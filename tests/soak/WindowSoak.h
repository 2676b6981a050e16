// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoakFiles.h"
#include "mainwindow/Form1Fixture.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QStringList>
#include <functional>
#include <optional>

namespace cardisto::test {

class WindowSoak;

// One kind of user action in a soak. The soak picks actions by weight among those possible now;
// a nestable one may also be picked to happen while another action lets events run (a run, a save).
struct SoakAction {
    const char* name;
    int weight;
    bool nestable;
    std::function<void(WindowSoak&)> run;
    std::function<bool(WindowSoak&)> possible = {}; // always, when not given
};

// What an action that runs an extraction expects, worked out before it starts.
struct ExpectedRun {
    // The exact rows ("text" or "path|text"), when the action can tell them.
    std::optional<QStringList> rows;
    // A property the result text of every row from rowsBefore on has, when only that can be told.
    std::function<bool(const QString& text)> rowHolds;
    qsizetype rowsBefore = 0; // the rows a run that appends found
    int errorBoxes = 0; // one per listed file that cannot be read (other boxes the action explains)
    QStringList refused; // listed files that are plainly no vCard: named in one message at the end
};

// A seeded run of random user actions on the real main window and its tool windows (offscreen,
// boxes answered by FakePlatform), which checks after every action what must always hold: no error
// box the action does not explain, the input list changed only as the action says, the status bar
// counts equal the lists, the window at rest, the remembered texts equal the controls, a saved or
// copied text equal to the results. The same seed replays the same actions.
class WindowSoak {
public:
    explicit WindowSoak(quint32 seed);
    ~WindowSoak();

    // Runs `count` actions and stops at the first that breaks a rule: empty, or what broke, with the
    // seed and the way to replay it.
    QString run(int count);

    // --- For the actions ---
    Form1Fixture& fixture() { return *m_fixture; }
    Form1& form() { return m_fixture->form(); }
    FakePlatform& platform() { return m_fixture->platform; }
    const SoakFiles& files() const { return m_files; }

    int pick(int bound) { return bound <= 0 ? 0 : int(m_random.bounded(bound)); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T> const T& pickFrom(const QList<T>& list) { return list.at(pick(int(list.size()))); }
    // A short text to filter or search with; now and then empty or matching nothing.
    QString someText();
    // A few input files, good and bad, with repeats.
    QStringList someFiles();

    // The input list as the actions so far must have left it.
    QStringList& expectedInputs() { return m_expectedInputs; }
    // The action runs an extraction: its rows and error boxes are checked once it ends, unless
    // other actions happened meanwhile.
    void expectRun(ExpectedRun expected) { m_expectedRun = std::move(expected); }
    // The rows "Extract All Lines" gives now, kept when `keep` says so, and the error boxes of
    // the files that cannot be read.
    ExpectedRun expectedLines(const std::function<bool(const QString& line)>& keep = {});
    // Error boxes that this action (or one run inside it) explains, besides none.
    void explainErrors(std::function<bool(const QString& error)> explains) { m_explained.append(std::move(explains)); }
    // The action reads the listed files: those that cannot be read show their error box.
    void explainBadFileErrors();
    // The action saved or copied the results: `text` must equal them.
    void expectSavedText(const QString& text, bool withHeader) { m_savedText = {text, withHeader}; }
    // The text-set items were loaded from a file: the store holds them only after the next change.
    void itemsLoadedFromFile(bool loaded) { m_itemsUnsaved = loaded; }
    // Breaks the rule now; the soak stops after this action.
    void fail(const QString& what);

    // Makes `window` the active one, so that its keys reach it.
    void activate(QWidget* window);
    // Schedules a nestable action for a few turns of events from now, during the action under way.
    void nestDuringAction();
    // Whether this action runs inside another that let events run: its rows and saves depend on
    // where the other had got to.
    bool runningNested() const { return m_inNested; }

    // Starts a new main window over the same settings, as after closing the program.
    void restartMainWindow();

private:
    void startMainWindow();
    void runAction(const SoakAction& action);
    const SoakAction& pickAction(bool nestableOnly);
    void check(const SoakAction& action);
    void checkBoxes();
    void checkInputList();
    void checkResults();
    void checkStatusBar();
    void checkAtRest();
    void checkRememberedTexts();
    void checkSavedText();
    QString replayText(int actionNumber) const;

    quint32 m_seed;
    QRandomGenerator m_random;
    bool m_trace; // CARDISTO_SOAK_TRACE: every action is printed as it starts
    SoakFiles m_files;
    std::unique_ptr<Form1Fixture> m_fixture;
    QList<SoakAction> m_actions;
    QStringList m_expectedInputs;
    std::optional<ExpectedRun> m_expectedRun;
    QList<std::function<bool(const QString&)>> m_explained;
    std::optional<std::pair<QString, bool>> m_savedText;
    bool m_itemsUnsaved = false;
    bool m_nestedScheduled = false;
    QPointer<QTimer> m_countdown; // to the nested action

    bool m_inNested = false;
    QStringList m_journal; // the last actions, for the failure text
    QString m_failure;
};

// The actions of each window, as tables: a new window adds its own.
QList<SoakAction> mainWindowActions();
QList<SoakAction> betweenWindowActions();
QList<SoakAction> textSetWindowActions();

} // namespace cardisto::test
