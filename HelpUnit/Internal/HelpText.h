// The text of the help window.
#pragma once

namespace HelpUnit {

// Czech, UTF-8, broken into lines by hand; three sections under the heading
// lines "--- ÚVOD:", "--- POPIS OVLÁDACÍCH PRVKŮ:" and "--- ZÁVĚR:".
extern const char* const HelpText;

}  // namespace HelpUnit
