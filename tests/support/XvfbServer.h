// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>

#include <csignal>
#include <fcntl.h>
#include <vector>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cardisto::test {

// A virtual X server (Xvfb) of a given screen size, with openbox as window manager when installed,
// for tests of what a real desktop shows: window frames, titles as the window manager reads them,
// placement. It is started before the QApplication (so without Qt's process handling), and the
// application then runs on the xcb platform. When Xvfb is missing or does not start, problem()
// says why and the tests skip.
class XvfbServer {
public:
    explicit XvfbServer(const char* screen = "1920x1080x24")
    {
        const QByteArray xvfb = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("Xvfb")));
        if (xvfb.isEmpty()) {
            m_problem = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
            return;
        }
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0)
            return;
        // -displayfd: the server picks a free display and writes its number to the pipe.
        const QByteArray fd = QByteArray::number(pipeEnds[1]);
        m_server = spawn({xvfb.constData(), "-displayfd", fd.constData(), "-screen", "0", screen, "-nolisten", "tcp"},
                         pipeEnds[0]);
        ::close(pipeEnds[1]);
        QByteArray number;
        pollfd readable{pipeEnds[0], POLLIN, 0};
        char buffer[32];
        while (!number.endsWith('\n') && ::poll(&readable, 1, 10000) > 0) {
            const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            number.append(buffer, got);
        }
        ::close(pipeEnds[0]);
        if (number.trimmed().isEmpty()) {
            m_problem = QStringLiteral("Xvfb did not start");
            return;
        }
        m_display = ":" + number.trimmed();
        const QByteArray openbox = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("openbox")));
        if (!openbox.isEmpty()) {
            ::setenv("DISPLAY", m_display.constData(), 1);
            m_windowManager = spawn({openbox.constData(), "--sm-disable"}, -1);
            ::usleep(500 * 1000); // openbox takes the screen before the first window maps
        }
    }

    ~XvfbServer()
    {
        for (pid_t pid : {m_windowManager, m_server}) {
            if (pid > 0) {
                ::kill(pid, SIGTERM);
                ::waitpid(pid, nullptr, 0);
            }
        }
    }

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return !m_display.isEmpty(); }
    bool hasWindowManager() const { return m_windowManager > 0; }
    QByteArray display() const { return m_display; }
    QString problem() const { return m_problem; }

    // Points this process's Qt at the server; call before the QApplication is made.
    void useForThisProcess(const QByteArray& scaleFactor = {}) const
    {
        qputenv("DISPLAY", m_display);
        qputenv("QT_QPA_PLATFORM", "xcb");
        if (!scaleFactor.isEmpty())
            qputenv("QT_SCALE_FACTOR", scaleFactor);
    }

private:
    static pid_t spawn(std::initializer_list<const char*> arguments, int closeInChild)
    {
        std::vector<char*> argv;
        for (const char* argument : arguments)
            argv.push_back(const_cast<char*>(argument));
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (closeInChild >= 0)
                ::close(closeInChild);
            const int quiet = ::open("/dev/null", O_WRONLY); // the server's notes are no test output
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        return pid;
    }

    pid_t m_server = -1;
    pid_t m_windowManager = -1;
    QByteArray m_display;
    QString m_problem;
};

} // namespace cardisto::test
