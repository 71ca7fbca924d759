#pragma once
// The main window: owns every long-lived object of the program and every
// widget the user touches. Each slot reads its widgets, calls the core, and
// shows the result; the logic lives in the core folders.

#include "burnlist/burnlist.h"
#include "burnlist/saya.h"
#include "library/ayakey.h"
#include "library/mushafdivisions.h"
#include "production/totaltime.h"
#include "app/packedimage.h"
#include "production/drivescan.h"
#include "production/sliders.h"
#include "production/trackscript.h"

#include "tools/job.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QProgressBar;
class QSlider;
class QSpinBox;
class QWidget;

class BurnListModel;
class Player;
class ProcessWrap;
class Progress;
class Mp3Probe;
class QIniFile;
class Quran;

class Norvane : public QMainWindow {
    Q_OBJECT
public:
    Norvane();
    ~Norvane() override;

    static QString BitrateText(int position);
    static QString WritingSpeedText(int position);
    static QList<int> SplitSizes(float a, float b, int total);

    // Read-only views for the command-line programs' parity checks and tests.
    const std::vector<saya>& BurnList() const { return burnList; }
    const std::map<int, int>& GroupReps() const { return groupReps; }
    const DiscTime& Disc() const { return disc; }
    const std::vector<std::string>& TrackList() const { return trackList; }

signals:
    void StatMsg(QString text);

public slots:
    // The window's own runner has ended a command (the eject's notice).
    void DriveCommandEnded();
    void SuraSelected(int index);
    // The "by" chooser: suras, or the juz, hizb, quarters or pages.
    void DivisionKindChosen(int index);
    // A juz, hizb, quarter or page (by its row in the second chooser).
    void DivisionSelected(int index);
    void AddOne();
    void AddAll();
    void RemoveOne();
    void RemoveAll();
    void RemoveSura();
    void ClickedPlaylist(const QModelIndex& index);
    void ClickedAyalist(QListWidgetItem* item);
    void AssignGroup();
    void UpdateTotalTime();
    void RemoveSayaFromBurnList(saya s);
    void MakeCD();
    void MakeMP3();
    void BrowseMP3();
    void SavePlaylist();
    void LoadPlaylist();
    void EjectCD();
    void EraseCD();
    void RememberChosenWriter(int index);
    void ShowBitrate(int position);
    void ShowWritingSpeed(int position);
    void Help();
    void About();
    void Exit();
    // File > Import Recitation...: packs from a folder of SSSAAA.mp3 files.
    void ImportRecitation();
    // The "Recitation:" chooser: the sura list, lengths and jobs follow it.
    void RecitationChosen(int index);
    // File > Get Recitation…: a recitation fetched from a per-aya server.
    void GetRecitation();
    // The progress dialog's Cancel: stops the running job (asking first when
    // stopping spoils the disc).
    void CancelJob();
    // Listening: the aya selected in the grid as recorded (at the chosen
    // speed), the selected list item as its block plays, or the whole
    // track that holds it; Stop ends it.
    void PlayAya();
    void PlayItem();
    void PlayTrack();
    void StopPlaying();

private:
    // Construction, in start-up order.
    void BuildMenus();
    void BuildStatusBar();
    QWidget* BuildPlaylistColumn(QWidget* parent);
    QWidget* BuildSurasBox(QWidget* parent);
    void FillSuraList();
    // The "by" chooser and the chooser of juz, hizb, quarters or pages,
    // beside the sura chooser in this row.
    void BuildDivisionChoosers(QWidget* row);
    Division ChosenDivision() const;
    // The aya grid shows these ayas, labelled with their keys, and Add
    // takes them.
    void ShowAyas(const std::vector<AyaKey>& ayas);
    // The installed recitations, the one the settings keep chosen.
    void FillRecitationList();
    // "none" and the installed translations, the one the settings keep chosen.
    void FillTranslationList();
    // After recitations arrived: the chooser again, `arrived` chosen when it
    // is a recitation of the Quran that holds packs.
    void RefreshRecitations(const QString& arrived);
    // After the packs in use changed: the sura list and the lengths anew.
    void ReloadPacks();
    // A job's report: `outcome` in the progress dialog, and in a box with
    // the first of `lines`.
    void ShowReport(const QString& title, const QString& outcome, const QStringList& lines);
    // After new packs arrived: the list again, the shown sura kept.
    void RefreshSuraList();
    void ImportFinished(class RecitationImport& job);
    QWidget* BuildAyaControls(QWidget* parent);
    QWidget* BuildTabs(QWidget* parent);
    QWidget* BuildCdPage();
    QWidget* BuildMp3Page();
    void SetUpRunner();
    void DetectDrives();
    void FillDriveList();
    void SetUpProgress();
    void BuildShortcuts();
    void BuildLanguageMenu(class QMenu* menu);
    void ChooseLanguage(const QString& code);
    void NameForScreenReaders();

    // Track preparation shared by the CD and MP3 jobs.
    void PrepareTracks(bool mp3);
    QString ChosenDevice() const;
    // The basmala, speed and translation controls, as the job and the disc's length take them.
    PlayOptions ChosenPlay() const;
    int LengthPauseQuarters() const;
    QWidget* BuildPlayRow(QWidget* parent);
    // False (after a box saying why) when the list cannot be played so.
    bool PlayAllowed();
    // Shows a started job in the progress dialog until it ends; then the
    // dialog offers Close, `ended` sees the job, and the job goes.
    void FollowJob(Job* job, std::function<void(Job&)> ended = {});
    void CannotRunBox();
    // False, after a box with the advice, when no CD writer was found.
    bool WriterFound() const;
    // Plays the track, or says why it cannot.
    void Listen(PlannedTrack track, const PlayOptions& play);
    // Highlights the list row of the member being heard.
    void ShowHeard(const saya& member);
    void PlayingEnded(const QString& why);

    // The job in hand (at most one: the progress dialog is modal).
    QPointer<Job> currentJob;
    bool ejecting = false;  // the window's runner is ejecting

    ProcessWrap* runner = nullptr;
    Mp3Probe* audio = nullptr;
    Progress* progress = nullptr;
    Player* player = nullptr;
    QLabel* bitrateLabel = nullptr;
    QLabel* writingSpeedLabel = nullptr;
    QSlider* bitrateSlider = nullptr;
    QComboBox* driveCombo = nullptr;
    QLabel* noWriterLabel = nullptr;
    QWidget* writerControls = nullptr;
    QComboBox* suraCombo = nullptr;
    QComboBox* byCombo = nullptr;
    QComboBox* divisionCombo = nullptr;
    QCheckBox* pageGroupsCheck = nullptr;
    QComboBox* recitationCombo = nullptr;
    QComboBox* groupCombo = nullptr;
    QSlider* writingSpeedSlider = nullptr;
    QListWidget* ayaListBox = nullptr;
    // The burn list's rows, in playing order, over burnCore.
    QListView* burnListView = nullptr;
    BurnListModel* burnModel = nullptr;
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
    QComboBox* translationCombo = nullptr;  // "none", then each installed translation (its name as data)
    // The core's list under its usual name, for the production slots.
    const std::vector<saya>& burnList = burnCore.List();
    std::vector<std::string> trackList;
    std::vector<DriveEntry> drives;
    std::map<int, std::string> deviceMap;
    std::map<int, int>& groupReps = burnCore.groupReps;  // the core's, by its usual name
    std::string currentSura;
    // The ayas of the grid's rows.
    std::vector<AyaKey> shownAyas;
    DiscTime disc;  // what the burn list makes, as of the last change
};
