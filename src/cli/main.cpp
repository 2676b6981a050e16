// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApplication.h"

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_UNIX
    // A reader that goes away (| head) shows as a failed write, which ends the output quietly.
    std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef Q_OS_WIN
    // Results are bytes: LF stays LF and CR LF stays CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cardisto-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CARDISTO_VERSION));
    // The arguments as the system passed them, for names that do not decode.
    QList<QByteArray> rawArguments;
#ifdef Q_OS_UNIX
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QByteArray(argv[i]));
#endif
    QFile out;
    QFile err;
    out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);
    return cardisto::runCli(QCoreApplication::arguments(), out, err, nullptr, rawArguments);
}
