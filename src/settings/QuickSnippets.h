// Defaults of the three quick snippets (settings section "quick"): the texts the
// Insert menu puts above the caret's line and the Options dialog shows for
// editing. Lines are separated by CR LF; there is no final line break (the
// insertion adds one).
#pragma once

namespace settings {

inline constexpr const char* kQuickTableDefault =
    "<table width=\"100%\" align=\"center\" border=\"1\" cellspacing=\"1\" cellpadding=\"1\">\r\n"
    "  <tr>\r\n"
    "    <td align=\"\" valign=\"\" bgcolor=\"\"></td>\r\n"
    "  </tr>\r\n"
    "</table>";

inline constexpr const char* kQuickScriptDefault =
    "<script language=\"JavaScript\">\r\n"
    "<!--\r\n"
    "\r\n"
    "-->\r\n"
    "</script>";

inline constexpr const char* kQuickStyleDefault =
    "<style>\r\n"
    "<!--\r\n"
    "\r\n"
    "-->\r\n"
    "</style>";

}  // namespace settings
