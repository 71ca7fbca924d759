// Finding and managing the CD writer.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "settings/qinifile.h"
#include "production/cdrdaoadvice.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QComboBox>
#include <QDir>
#include <utility>

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
    // Before the window shows there is nothing else to do but wait, though
    // not forever for a scan that hangs. (Erasing has no limit: stopping it
    // spoils the disc, and a long blank may print nothing for minutes.)
    runner->SetStallLimit(TrackPreparer::kStallSeconds);
    runner->RunCommand({"cdrdao", "scanbus"});
    runner->WaitForDone();
    runner->SetStallLimit(0);
    drives = ParseScanOutput(runner->GetText());
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
    if (runner->IsRunning()) return;  // the drive is still busy with the last command
    runnerUse = RunnerUse::Eject;
    runner->RunCommand({"cdrdao", "eject", "--device", ChosenDevice(), "--driver", kDriver});
}

void Norvane::EraseCD() {
    if (runner->IsRunning()) return;
    progress->show();
    progress->SendMsg("Erasing CD-RW ...");
    emit StatMsg("Starting erase of CD-RW...");
    runnerUse = RunnerUse::Erase;
    runner->RunCommand({"cdrdao", "blank", "--device", ChosenDevice(), "--driver", kDriver});
}

// The window's own runner has ended a command: the eject's notice, or the
// end of an erase.
void Norvane::ProcessDone(const QStringList& lines) {
    const RunnerUse use = std::exchange(runnerUse, RunnerUse::None);
    if (use == RunnerUse::Eject)
        UserDialogs::Current().Information(
            "Norvane", "If your CD drive's door opened, you chose a CD drive!\n but make sure it can record CDs!");
    if (use != RunnerUse::Erase) return;

    if (runner->LastOutcome() == ProcessWrap::Outcome::Killed) {
        emit StatMsg("Erasing cancelled; the disc is probably unusable.");
        return EndJob(nullptr);
    }
    // A writer that could not start or ended with a failure status has not
    // erased anything, whatever it printed.
    const bool failed = EraseFailed(lines) || !runner->LastRunSucceeded();
    const QString advice = failed ? CdrdaoAdvice(lines) : QString();
    emit StatMsg(failed ? "Erasing CD Failed" : "All done erasing CD!");
    if (!advice.isEmpty()) emit StatMsg(advice);
    EndJob(nullptr);
    if (failed)
        UserDialogs::Current().Information("Norvane",
                                           "Erasing CD Failed\n" + (advice.isEmpty() ? FirstErrorLine(lines) : advice));
}
