// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

namespace cardisto {

class Platform;

// Shows unexpected failures of guarded procedures in the error box and returns once the user has
// closed it, so the procedure goes on with its next statement.
class GuiErrorReporter final : public ErrorReporter {
public:
    explicit GuiErrorReporter(Platform& platform) : m_platform(platform) {}
    void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override;

private:
    Platform& m_platform;
};

} // namespace cardisto
