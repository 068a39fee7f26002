// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace Velloquin {

// What "velloquin-cli COMMAND --help" prints after the usage line: what the command does,
// its options, an example and its exit statuses. Empty for an unknown command.
QString commandHelp(const QString &command);

// The export command's outputs for its usage line: "OUT.docx|OUT.ipuz|...", one a format.
QString exportOutputs();

} // namespace Velloquin
