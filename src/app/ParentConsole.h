// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cardisto {

// The desktop program is a window program on Windows, so it starts without a console and what it
// prints goes nowhere. Started from a console window, it borrows that console for standard output
// and error, so that --help, --version and bad options are seen. Output the caller redirected to a
// file or a pipe is kept as it is. Does nothing on other systems.
void useParentConsole();

} // namespace cardisto
