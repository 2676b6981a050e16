// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestFiles.h"

#include <QDir>
#include <QString>
#include <QTest>

namespace cardisto::test {

// Targets that cannot be written even by root, where folder permissions would not stop a write:
// "plain-file/NAME" (a folder part that is a file) and "folder" (a target that is a folder).
inline void makeUnwritableTargets(const QString& folder)
{
    writeFile(folder + QStringLiteral("/plain-file"), "kept");
    QVERIFY(QDir(folder).mkdir(QStringLiteral("folder")));
}

} // namespace cardisto::test
