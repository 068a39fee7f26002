// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace Velloquin {

// What "velloquin-cli COMMAND --help" prints after the usage line: what the command does,
// its options, an example and its exit statuses. Empty for an unknown command.
QString commandHelp(const QString &command);

} // namespace Velloquin
