// Finding and managing the CD writer.
#include "app/norvane.h"

#include "app/language.h"
#include "app/progress.h"
#include "app/userdialogs.h"
#include "settings/qinifile.h"
#include "production/cdrdao.h"
#include "production/erasejob.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QComboBox>
#include <QLabel>
#include <utility>

namespace {

QString NoWriterMessage() {
    return Norvane::tr("No CD drivers were found!\n"
                       "Please install cdrdao, and make sure you may use the CD writer:\n"
                       "on most systems, be a member of the group that owns it (often \"cdrom\").\n"
                       "Creating Audio CDs will not work.\nYou can, however, still create MP3s.");
}

// The same advice, short enough for the CD tab's own space.
QString NoWriterNote() {
    return Norvane::tr("No CD writer found: install cdrdao, and be in the group that may use the writer "
                       "(often \"cdrom\"). MP3s work without one.");
}

}  // namespace

void Norvane::DetectDrives() {
    // Before the window shows there is nothing else to do but wait, though
    // not forever for a scan that hangs.
    runner->SetStallLimit(TrackPreparer::kStallSeconds);
    runner->RunCommand(Cdrdao::ScanCommand());
    runner->WaitForDone();
    drives = ParseScanOutput(runner->GetText());
    // Most computers today have no CD writer: the CD tab says so in its own
    // space, and a box only comes when the writer is asked for something.
    noWriterLabel->setText(NoWriterNote());
    noWriterLabel->setVisible(drives.empty());
    writerControls->setVisible(!drives.empty());
}

bool Norvane::WriterFound() const {
    if (!drives.empty()) return true;
    UserDialogs::Current().Information("Norvane", NoWriterMessage());
    return false;
}

void Norvane::FillDriveList() {
    deviceMap.clear();
    driveCombo->clear();
    const QIcon icon = LoadPackedIcon("drive_cd.png");
    for (size_t i = 0; i < drives.size(); ++i) {
        deviceMap[int(i)] = drives[i].address.toStdString();
        driveCombo->addItem(icon, LeftToRight(drives[i].label));
    }
    const int stored = settings->ReadInt("cd", "device");
    if (stored >= 0 && stored < driveCombo->count()) driveCombo->setCurrentIndex(stored);
}

QString Norvane::ChosenDevice() const {
    const auto found = deviceMap.find(driveCombo->currentIndex());
    return found == deviceMap.end() ? QString() : QString::fromStdString(found->second);
}

void Norvane::RememberChosenWriter(int index) { settings->WriteInt("cd", "device", index); }

void Norvane::EjectCD() {
    if (runner->IsRunning() || !WriterFound()) return;  // the drive may still be busy with the last command
    ejecting = true;
    runner->RunCommand(Cdrdao::EjectCommand(ChosenDevice()));
}

void Norvane::EraseCD() {
    if (currentJob || !WriterFound()) return;
    auto* job = new EraseJob(this);
    FollowJob(job, [](Job& ended) {
        if (ended.Result() == Job::Outcome::Failed)
            UserDialogs::Current().Information("Norvane",
                                               tr("Erasing CD Failed") + "\n" + static_cast<EraseJob&>(ended).FailureNotice());
    });
    job->Erase(ChosenDevice());
}

void Norvane::DriveCommandEnded() {
    if (!std::exchange(ejecting, false)) return;
    UserDialogs::Current().Information(
        "Norvane", tr("If your CD drive's door opened, you chose a CD drive!\n but make sure it can record CDs!"));
}
