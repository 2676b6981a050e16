// SPDX-License-Identifier: GPL-3.0-or-later
// A few hundred random user actions on the real windows, with the rules of WindowSoak checked
// after each. CARDISTO_SOAK_SEED and CARDISTO_SOAK_ACTIONS replay one seed or run a long soak
// (tools/soak.sh).

#include "WindowSoak.h"

#include <QTemporaryDir>
#include <QTest>

using namespace cardisto::test;

namespace {

QtMessageHandler g_testHandler = nullptr;

// The offscreen platform notes every window move it cannot make; a long soak would print little else.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    g_testHandler(type, context, message);
}

} // namespace

class TestWindowSoak : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The workbooks go to the documents folder: one of the test's own, also when run by hand.
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
        g_testHandler = qInstallMessageHandler(dropPlatformNotes);
    }

    void randomActions_keepEveryRule_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("actions");
        const int actions =
            qEnvironmentVariableIsSet("CARDISTO_SOAK_ACTIONS") ? qEnvironmentVariableIntValue("CARDISTO_SOAK_ACTIONS") : 100;
        if (qEnvironmentVariableIsSet("CARDISTO_SOAK_SEED")) {
            const quint32 seed = qEnvironmentVariable("CARDISTO_SOAK_SEED").toUInt();
            QTest::addRow("seed %u", seed) << seed << actions;
            return;
        }
        for (const quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed << actions;
    }

    void randomActions_keepEveryRule()
    {
        QFETCH(quint32, seed);
        QFETCH(int, actions);
        // Printed first, so that a crash names the seed too.
        qInfo("soak seed %u, %d actions", seed, actions);
        WindowSoak soak(seed);
        const QString failure = soak.run(actions);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestWindowSoak)
#include "TestWindowSoak.moc"
