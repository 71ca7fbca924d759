#include "burnlist/cdlength.h"

QString CdLengthColour(int minutes) {
    if (minutes < 15) return "#EEEEEE";
    if (minutes < 25) return "#FFFF99";
    if (minutes < 35) return "#CCFF00";
    if (minutes < 45) return "#FFCC66";
    if (minutes < 55) return "#FF9900";
    if (minutes < 65) return "#FF6600";
    if (minutes < 76) return "#FF3300";  // this band is eleven minutes wide
    return "#FF0000";
}

static QString TwoDigits(int n) { return (n < 10 ? "0" : "") + QString::number(n); }

QString CdLengthHtml(int seconds) {
    const int m = seconds / 60;
    const int r = seconds - 60 * m;
    return "<p align=center><b><font size=\"10\" color=\"#ffffff\">CD Length: </font><font size=\"10\" color=\"" +
           CdLengthColour(m) + "\">" + TwoDigits(m) + ":" + TwoDigits(r) + "</b></font>";
}
