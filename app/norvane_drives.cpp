// Finding and managing the CD writer.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "settings/qinifile.h"
#include "tools/processwrap.h"

#include <QComboBox>
#include <QDir>

namespace {

const char* const kDriver = "generic-mmc";

QString NoWriterMessage() {
#ifdef Q_OS_WIN
    const QString advice = "Please install ASPI drivers found in: " + QDir::currentPath() + "/support/aspi/" + ".";
#else
    const QString advice =
        "Please install cdrdao, and make sure you may use the CD writer:\n"
        "on most systems, be a member of the group that owns it (often \"cdrom\").";
#endif
    return "No CD drivers were found!\n" + advice +
           "\nCreating Audio CDs will not work.\nYou can, however, still create MP3s.";
}

}  // namespace

void Norvane::DetectDrives() {
    runner->RunCommand({"cdrdao", "scanbus"});
    toolOutput = runner->GetText();
    drives = ParseScanOutput(toolOutput);
    if (drives.empty()) UserDialogs::Current().Information("Norvane", NoWriterMessage());
}

void Norvane::FillDriveList() {
    deviceMap.clear();
    driveCombo->clear();
    const QIcon icon(LoadPackedImage("drive_cd.png"));
    for (size_t i = 0; i < drives.size(); ++i) {
        deviceMap[int(i)] = drives[i].address.toStdString();
        driveCombo->addItem(icon, drives[i].label);
    }
    const int stored = settings->ReadInt("cd", "device");
    if (stored >= 0 && stored < driveCombo->count()) driveCombo->setCurrentIndex(stored);
}

QString Norvane::ChosenDevice() const {
    const auto found = deviceMap.find(driveCombo->currentIndex());
    return found == deviceMap.end() ? QString() : QString::fromStdString(found->second);
}

void Norvane::CDListChanged(int index) { settings->WriteInt("cd", "device", index); }

void Norvane::EjectCD() {
    runner->RunCommand({"cdrdao", "eject", "--device", ChosenDevice(), "--driver", kDriver});
    UserDialogs::Current().Information(
        "Norvane", "If your CD drive's door opened, you chose a CD drive!\n but make sure it can record CDs!");
}

void Norvane::EraseCD() {
    progress->show();
    progress->SendMsg("Erasing CD-RW ...");
    emit StatMsg("Starting erase of CD-RW...");
    runner->RunCommand({"cdrdao", "blank", "--device", ChosenDevice(), "--driver", kDriver});
    toolOutput = runner->GetText();
    // A writer that could not start or ended with a failure status has not
    // erased anything, whatever it printed.
    const bool failed = EraseFailed(toolOutput) || !runner->LastRunSucceeded();
    emit StatMsg(failed ? "Erasing CD Failed" : "All done erasing CD!");
    progress->EnableClose();
}
