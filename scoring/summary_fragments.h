#pragma once

// The fixed texts of the results summary, filled printf-style.
namespace summary_text {

inline constexpr const char* kCredit = "GACW WWSA CW DX Contest statistics plug-in";

inline constexpr const char* kOpening =
    "  GACW WWSA CW DX Contest %s-%s \r\n\t    Contestant: %s\r\nBand\tQSOs\tPoints\tDXCC\tZone\r\n";
inline constexpr const char* kBandRow = "%s\t %i\t %i\t %i\t %i\r\n";
inline constexpr const char* kTotals = "Total\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n";
inline constexpr const char* kRates =
    "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\nHourly (10min) pts rate: %5i (%i) points/hour"
    "\r\n\r\nLast QSO: %i points";
inline constexpr const char* kScore = "\r\nScore: %i*(%i+%i) = %i\r\n\r\n";

}  // namespace summary_text

namespace summary_html {

inline constexpr const char* kTitle = "    GACW WWSA CW DX Contest %s-%s";
inline constexpr const char* kPageHead =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; border-collapse: "
    "collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ background-color: #fffac6; color: black; "
    "}</style></head><body>";
inline constexpr const char* kHeading = "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
inline constexpr const char* kColumnHeads = "<tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th></tr>";
inline constexpr const char* kBandRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td><td><center>%i"
    "</center></td><td><center>%i</center></td></tr>";
inline constexpr const char* kCountRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td colspan=4> </td></tr>";
inline constexpr const char* kLastQsoPointsRow =
    "<tr><th>%s</th><td colspan=1><center>%5i </center></td><td colspan=4> </td></tr>";
inline constexpr const char* kScoreRow =
    "<tr><th>%s</th><td colspan=4><center>%i * (%i + %i) = %i</center></td></tr><tr><td colspan=5><center>Rate"
    "</center></td></tr>";
inline constexpr const char* kRateRow = "<tr><th>%s</th><td colspan=4><center>%5i /%i</center></td></tr>";
inline constexpr const char* kPageFootStart = "</table><h6 align=right>";
inline constexpr const char* kPageFootEnd = "</h6></body></html>";

}  // namespace summary_html
