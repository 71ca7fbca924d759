#include "app/cdlength.h"

#include "production/totaltime.h"

#include <QGuiApplication>
#include <algorithm>
#include <climits>

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

QString CdLengthHtml(const DiscTime& disc) {
    const qint64 seconds = disc.Blocks() / AudioCd::kBlocksPerSecond;
    const int m = int(std::min<qint64>(seconds / 60, 9999));
    const int r = int(seconds % 60);
    const QString caption = disc.Fits() ? "#ffffff" : CdLengthColour(INT_MAX);
    const QString title = QGuiApplication::translate("Norvane", "CD Length: ");
    // The figure reads in the window's direction, whatever script its caption starts with.
    const QString direction = QGuiApplication::isRightToLeft() ? "rtl" : "ltr";
    return "<p align=center dir=" + direction + "><b><font size=\"10\" color=\"" + caption + "\">" + title + "</font><font size=\"10\" color=\"" +
           CdLengthColour(m) + "\">" + TwoDigits(m) + ":" + TwoDigits(r) + "</b></font>";
}
