#include "production/drivescan.h"

#include <QRegularExpression>

namespace {

// "E:|1,0,0": a word character, a colon, a bar, three single digits.
bool ParseClassicLine(const QString& line, DriveEntry& drive) {
    static const QRegularExpression pattern(QStringLiteral("(\\w)\\:\\|(\\d,\\d,\\d)"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch() || match.capturedStart() != 0) return false;
    drive.letter = match.captured(1).simplified();
    drive.address = match.captured(2).simplified();
    drive.label = drive.letter + ":";
    return true;
}

// "/dev/sr0 : HL-DT-ST, DVDRAM GH24NSD1, RP09" with blank padding.
bool ParseDevicePathLine(const QString& line, DriveEntry& drive) {
    static const QRegularExpression pattern(QStringLiteral("^(/\\S+)\\s+:\\s([^,]*),([^,]*),"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch()) return false;
    drive.letter.clear();
    drive.address = match.captured(1);
    const QString name = (match.captured(2) + ' ' + match.captured(3)).simplified();
    drive.label = name.isEmpty() ? drive.address : drive.address + " (" + name + ")";
    return true;
}

}  // namespace

std::vector<DriveEntry> ParseScanOutput(const QStringList& lines) {
    std::vector<DriveEntry> drives;
    for (const QString& line : lines) {
        DriveEntry drive;
        if (ParseClassicLine(line, drive) || ParseDevicePathLine(line, drive)) drives.push_back(drive);
    }
    return drives;
}

QString FirstErrorLine(const QStringList& lines) {
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("ERROR"))) return line.trimmed();
    return QString();
}

bool EraseFailed(const QStringList& lines) { return !FirstErrorLine(lines).isEmpty(); }
