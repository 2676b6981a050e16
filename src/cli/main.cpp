#include "CliApplication.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cardisto-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CARDISTO_VERSION));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return cardisto::runCli(QCoreApplication::arguments(), out, err);
}
