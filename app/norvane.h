#pragma once
// The main window: owns every long-lived object of the program and every
// widget the user touches. Each slot reads its widgets, calls the core, and
// shows the result; the logic lives in the core folders.

#include "burnlist/burnlist.h"
#include "burnlist/saya.h"
#include "production/totaltime.h"
#include "app/packedimage.h"
#include "production/drivescan.h"
#include "production/sliders.h"
#include "production/trackscript.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QSlider;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QWidget;

class ProcessWrap;
class Progress;
class QAudio;
class QIniFile;
class Quran;

class Norvane : public QMainWindow {
    Q_OBJECT
public:
    Norvane();
    ~Norvane() override;

    static QString BitrateText(int position);
    static QString SpeedText(int position);
    static QList<int> SplitSizes(float a, float b, int total);

    // Read-only views for the command-line programs' parity checks and tests.
    const std::vector<saya>& BurnList() const { return burnList; }
    const std::map<int, int>& GroupReps() const { return groupReps; }
    const DiscTime& Disc() const { return disc; }
    const std::vector<std::string>& TrackList() const { return trackList; }

signals:
    void StatMsg(QString text);

public slots:
    void ProcessDone(const QStringList& lines);
    void SuraSelected(int index);
    void AddOne();
    void AddAll();
    void RemoveOne();
    void RemoveAll();
    void RemoveSura();
    void ClickedPlaylist(QListWidgetItem* item);
    void ClickedAyalist(QListWidgetItem* item);
    void AssignGroup();
    void UpdateTotalTime();
    void RemoveSayaFromBurnList(saya s);
    void MakeCD();
    void WriteMP3(std::string name, std::string dir);
    void MakeMP3();
    void BrowseMP3();
    void SavePlaylist();
    void LoadPlaylist();
    void EjectCD();
    void EraseCD();
    void CreateTOC(QString fileName);
    void CDListChanged(int index);
    void BitrateChanged(int position);
    void CDSpeedChanged(int position);
    void Help();
    void About();
    void Exit();
    // File > Import Recitation...: packs from a folder of SSSAAA.mp3 files.
    void ImportRecitation();
    // The progress dialog's Cancel: stops the running job (asking first when
    // stopping spoils the disc).
    void CancelJob();

private:
    // Construction, in start-up order.
    void BuildMenus();
    void BuildStatusBar();
    QWidget* BuildPlaylistColumn(QWidget* parent);
    QWidget* BuildSurasBox(QWidget* parent);
    void FillSuraList();
    // After new packs arrived: the list again, the shown sura kept.
    void RefreshSuraList();
    void ImportFinished(bool ok);
    QWidget* BuildAyaControls(QWidget* parent);
    QWidget* BuildTabs(QWidget* parent);
    QWidget* BuildCdPage();
    QWidget* BuildMp3Page();
    void SetUpRunner();
    void DetectDrives();
    void FillDriveList();
    void SetUpProgress();

    // Track preparation shared by the CD and MP3 jobs.
    void PrepareTracks(bool mp3);
    QString ChosenDevice() const;
    // The basmala and speed controls, as the job and the disc's length take them.
    PlayOptions ChosenPlay() const;
    int LengthPauseQuarters() const;
    QWidget* BuildPlayRow(QWidget* parent);
    // False (after a box saying why) when the list cannot be played so.
    bool PlayAllowed();
    // A job has ended: the dialog offers Close again.
    void EndJob(QObject* job);
    void CannotRunBox();

    // What the window's own runner is doing, so that its end is understood.
    enum class RunnerUse { None, Eject, Erase };
    RunnerUse runnerUse = RunnerUse::None;
    // The job in hand (at most one: the progress dialog is modal).
    class TrackPreparer* trackJob = nullptr;
    class CdBurner* burnJob = nullptr;
    class RecitationImport* importJob = nullptr;

    ProcessWrap* runner = nullptr;
    QAudio* audio = nullptr;
    Progress* progress = nullptr;
    QWidget* cdPage = nullptr;
    QWidget* mp3Page = nullptr;
    QLabel* bitrateLabel = nullptr;
    QLabel* speedLabel = nullptr;
    QSlider* bitrateSlider = nullptr;
    QComboBox* driveCombo = nullptr;
    QComboBox* suraCombo = nullptr;
    QComboBox* groupCombo = nullptr;
    QSlider* speedSlider = nullptr;
    QListWidget* ayaListBox = nullptr;
    QListWidget* burnListBox = nullptr;
    QLabel* cdLengthLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QLineEdit* mp3DirEdit = nullptr;
    QCheckBox* numberedCheck = nullptr;
    // The playlist file the list was last loaded from or saved to, which
    // names an MP3 set's album; empty for a list made from scratch.
    QString playlistName;
    QIniFile* settings = nullptr;
    Quran* quran = nullptr;
    QProgressBar* statusProgress = nullptr;
    std::map<int, std::string> suraByIndex;
    // The burn list with its bookkeeping (inBurnList, groupReps), and the
    // measured recordings behind the disc's length.
    BurnListCore burnCore;
    TotalTime ayaTimes;
    QSpinBox* ayaRepSpin = nullptr;
    QSpinBox* ayaPauseSpin = nullptr;
    QSpinBox* groupRepSpin = nullptr;
    QSpinBox* groupPauseSpin = nullptr;
    QCheckBox* buildUpCheck = nullptr;
    QDoubleSpinBox* lengthPauseSpin = nullptr;
    QCheckBox* basmalaCheck = nullptr;
    QDoubleSpinBox* playSpeedSpin = nullptr;
    // The core's list under its usual name, for the production slots.
    const std::vector<saya>& burnList = burnCore.List();
    std::vector<std::string> trackList;
    std::vector<DriveEntry> drives;
    std::map<int, std::string> deviceMap;
    std::map<int, int>& groupReps = burnCore.groupReps;  // the core's, by its usual name
    std::string currentSura;
    DiscTime disc;  // what the burn list makes, as of the last change

    QSplitter* mainSplitter = nullptr;
    QSplitter* rightSplitter = nullptr;
};
