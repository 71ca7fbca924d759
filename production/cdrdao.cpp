#include "production/cdrdao.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace Cdrdao {

namespace {
const QString kDriver = QStringLiteral("generic-mmc");
const QString kCdTextDriver = QStringLiteral("generic-mmc:0x10");
}  // namespace

Problem CanRun() {
    if (!QStandardPaths::findExecutable(kProgram).isEmpty()) return {};
    return Problem(QCoreApplication::translate(
        "Cdrdao", "cdrdao cannot be run: it is not installed (install the package cdrdao) or not on the search path"));
}

QStringList ScanCommand() { return {kProgram, "scanbus"}; }

QStringList WriteCommand(const QString& device, int writingSpeed, const QString& tocPath) {
    return {kProgram, "write",   "--device", device, "--driver", kCdTextDriver, "--eject",
            "--speed", QString::number(writingSpeed), tocPath};
}

QStringList BlankCommand(const QString& device) { return {kProgram, "blank", "--device", device, "--driver", kDriver}; }

QStringList EjectCommand(const QString& device) { return {kProgram, "eject", "--device", device, "--driver", kDriver}; }

QString WriteHint(const QString& tocPath) {
    return "cdrdao write --device DEVICE --driver " + kCdTextDriver + " --eject \"" + tocPath + "\"";
}

bool StartsTrack(const QString& line) { return line.contains(QLatin1String("writing track"), Qt::CaseInsensitive); }

bool RefusesMedium(const QString& line) { return line.contains(QLatin1String("to be written"), Qt::CaseInsensitive); }

QString MediumRefusedNotice() {
    return QCoreApplication::translate("Cdrdao",
                                       "Cannot write to media!\nMake sure media is a CDR or CD-RW\nIf it is a CD-RW, "
                                       "make sure you erase it first!");
}

}  // namespace Cdrdao
