#pragma once

#include <QIODevice>
#include <QStringList>

namespace cardisto {

// cardisto-cli convert [--fields all|none|LIST] FILE
int runConvertCommand(const QStringList& arguments, QIODevice& out, QIODevice& err);

} // namespace cardisto
