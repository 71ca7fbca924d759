#include "app/norvane.h"

#include "app/appinfo.h"
#include "app/language.h"
#include "app/player.h"
#include "app/progress.h"
#include "app/textsizecache.h"
#include "app/userdialogs.h"
#include "app/cdlength.h"
#include "burnlist/burnlistmodel.h"
#include "library/ayakey.h"
#include "library/locations.h"
#include "library/mp3probe.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "library/suracatalogue.h"
#include "settings/qinifile.h"
#include "tools/processwrap.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>


namespace {

QIcon Icon(const char* name) { return LoadPackedIcon(name); }

// Qt 3's QVBox and QHBox: a plain widget whose layout stacks its children in
// creation order. Their default spacing and margin are 0.
QWidget* Box(QWidget* parent, Qt::Orientation orientation, int spacing = 0, int margin = 0) {
    auto* box = new QWidget(parent);
    QBoxLayout* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                                     : static_cast<QBoxLayout*>(new QHBoxLayout(box));
    layout->setSpacing(spacing);
    layout->setContentsMargins(margin, margin, margin, margin);
    if (parent && parent->layout()) parent->layout()->addWidget(box);
    return box;
}

// A titled group box that lays its children out in one column (vertical) or
// one row (horizontal).
QGroupBox* Group(QWidget* parent, const QString& title, Qt::Orientation orientation, int margin = -1) {
    auto* group = new QGroupBox(title, parent);
    QBoxLayout* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group))
                                                     : static_cast<QBoxLayout*>(new QHBoxLayout(group));
    if (margin >= 0) layout->setContentsMargins(margin, margin, margin, margin);
    if (parent && parent->layout()) parent->layout()->addWidget(group);
    return group;
}

template <typename W>
W* Add(QWidget* parent, W* widget) {
    parent->layout()->addWidget(widget);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& text, const char* icon, const char* objectName = nullptr) {
    auto* button = Add(parent, new QPushButton(Icon(icon), text, parent));
    if (objectName) button->setObjectName(objectName);
    return button;
}

QLabel* Label(QWidget* parent, const QString& text) { return Add(parent, new QLabel(text, parent)); }

QSpinBox* Spin(QWidget* parent, int min, int max, const char* objectName) {
    auto* spin = Add(parent, new QSpinBox(parent));
    spin->setRange(min, max);
    spin->setSingleStep(1);
    spin->setValue(min);
    spin->setObjectName(objectName);
    return spin;
}

QSlider* Slider(QWidget* parent, int value, const char* objectName) {
    auto* slider = Add(parent, new QSlider(Qt::Horizontal, parent));
    slider->setRange(0, 7);
    slider->setPageStep(1);
    slider->setValue(value);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setObjectName(objectName);
    return slider;
}

// Installed users have no program folder to put packs into by hand.
QString ImportHint() {
    if (Locations::Current().GetMode() == Locations::Mode::Portable) return QString();
    return Norvane::tr("\n\nTo add a recitation you already have (one MP3 file per aya, named SSSAAA.mp3), "
                       "choose File > Import Recitation…");
}

}  // namespace

Norvane::Norvane() : QMainWindow(nullptr) {
    settings = new QIniFile(Locations::Current().SettingsFile());
    BuildMenus();
    BuildStatusBar();
    quran = new Quran();
    player = new Player(this);
    connect(player, &Player::Heard, this, &Norvane::ShowHeard);
    connect(player, &Player::Ended, this, &Norvane::PlayingEnded);

    // Rows 1 to 4: central box, outer splitter, its box, main splitter.
    QWidget* central = Box(nullptr, Qt::Vertical, 0, 2);
    auto* outerSplitter = Add(central, new QSplitter(Qt::Horizontal, central));
    QWidget* outerBox = Box(nullptr, Qt::Vertical, 0, 2);
    outerSplitter->addWidget(outerBox);
    auto* mainSplitter = Add(outerBox, new QSplitter(Qt::Horizontal, outerBox));
    mainSplitter->addWidget(BuildPlaylistColumn(nullptr));

    auto* rightSplitter = new QSplitter(Qt::Vertical);
    rightSplitter->setContentsMargins(0, 2, 0, 2);  // sideways margins would not count in its minimum width
    mainSplitter->addWidget(rightSplitter);
    QWidget* surasBox = BuildSurasBox(rightSplitter);
    rightSplitter->addWidget(surasBox);
    QWidget* tabColumn = Box(nullptr, Qt::Vertical, 0, 2);
    rightSplitter->addWidget(tabColumn);

    FillRecitationList();
    connect(recitationCombo, qOverload<int>(&QComboBox::activated), this, &Norvane::RecitationChosen);
    FillSuraList();
    connect(suraCombo, qOverload<int>(&QComboBox::activated), this, &Norvane::SuraSelected);
    BuildAyaControls(surasBox);
    mainSplitter->setSizes(SplitSizes(0.5f, 0.5f, int(width() * 0.7)));

    BuildPlayRow(mainSplitter->findChild<QWidget*>("playOptions"));
    BuildTabs(tabColumn);
    setCentralWidget(central);
    mp3DirEdit->setText(settings->ReadString("dir", "mp3dir"));
    numberedCheck->setChecked(settings->ReadInt("dir", "numbered") == 1);
    basmalaCheck->setChecked(settings->ReadInt("play", "basmala") == 1);
    const int speed = settings->ReadInt("play", "speed");
    if (speed >= PlayOptions::kMinSpeedPercent && speed <= PlayOptions::kMaxSpeedPercent)
        playSpeedSpin->setValue(PlayOptions::NearestAllowedSpeedPercent(speed / 100.0) / 100.0);
    // The disc's length follows all three; the settings keep them.
    connect(translationCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        settings->WriteString("play", "translation", ChosenPlay().translation);
        UpdateTotalTime();
    });
    connect(basmalaCheck, &QCheckBox::toggled, this, [this](bool on) {
        settings->WriteInt("play", "basmala", on ? 1 : 0);
        UpdateTotalTime();
    });
    connect(playSpeedSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double speed) {
        // A typed speed between two offered ones becomes the nearest of them.
        if (!PlayOptions::SpeedAllowed(speed)) {
            playSpeedSpin->setValue(PlayOptions::NearestAllowedSpeedPercent(speed) / 100.0);
            return;
        }
        settings->WriteInt("play", "speed", ChosenPlay().speedPercent);
        UpdateTotalTime();
    });

    SetUpRunner();
    DetectDrives();
    FillDriveList();
    SetUpProgress();
    SuraSelected(0);
    BuildShortcuts();
    NameForScreenReaders();
    // The window of old is the smallest, unless a language's texts need more
    // room: then the window grows rather than cut them.
    setMinimumSize(QSize(660, 580).expandedTo(minimumSizeHint()));
    resize(minimumSize());
    rightSplitter->setSizes(SplitSizes(0.7f, 0.3f, height()));
}

Norvane::~Norvane() {
    delete player;  // silent before the rest goes
    delete runner;
    delete audio;
    delete quran;
    delete settings;
}

void Norvane::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(Icon("cd_add.png"), tr("&Get Recitation…"), this, &Norvane::GetRecitation);
    file->addAction(Icon("cd_add.png"), tr("&Import Recitation…"), this, &Norvane::ImportRecitation);
    file->addAction(Icon("exit.png"), tr("&Exit"), this, &Norvane::Exit);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(Icon("help.png"), tr("&Help"), this, &Norvane::Help);
    help->addAction(Icon("about.png"), tr("&About"), this, &Norvane::About);
    BuildLanguageMenu(help->addMenu(tr("&Language")));
}

void Norvane::BuildStatusBar() {
    // On a larger screen the lists grow.
    resize(660, 580);
    statusProgress = new QProgressBar(statusBar());
    statusProgress->setObjectName("statusProgress");
    statusProgress->setAlignment(Qt::AlignCenter);
    statusProgress->setValue(0);
    statusLabel = new QLabel(QString(), statusBar());
    statusLabel->setObjectName("statusLabel");
    statusBar()->addWidget(statusProgress, 1);
    statusBar()->addWidget(statusLabel, 1);
}

QWidget* Norvane::BuildPlaylistColumn(QWidget* parent) {
    QWidget* column = Box(parent, Qt::Vertical, 0, 4);
    QGroupBox* playlist = Group(column, tr("Norvane Playlist"), Qt::Vertical);

    burnModel = new BurnListModel(burnCore, this);
    burnListView = Add(playlist, new QListView(playlist));
    burnListView->setObjectName("burnListBox");
    burnListView->setModel(burnModel);
    burnListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    burnListView->setItemDelegate(new TextSizeCache(Icon("cd_add.png"), burnListView));
    connect(burnListView, &QListView::doubleClicked, this, &Norvane::ClickedPlaylist);

    QWidget* removeRow = Box(playlist, Qt::Horizontal, 4, 2);
    connect(Button(removeRow, tr("Remove aya"), "cd_delete.png", "removeAyaButton"), &QPushButton::clicked, this, &Norvane::RemoveOne);
    connect(Button(removeRow, tr("Remove sura"), "cd_delete.png"), &QPushButton::clicked, this, &Norvane::RemoveSura);
    connect(Button(removeRow, tr("Clear all"), "cd_delete.png"), &QPushButton::clicked, this, &Norvane::RemoveAll);
    // Listening to what the disc will hold, before making it.
    QWidget* listenRow = Box(playlist, Qt::Horizontal, 4, 2);
    const auto listen = [this, listenRow](const QString& text, const char* name, const QString& tip, auto slot) {
        QPushButton* button = Button(listenRow, text, "music.png");
        button->setObjectName(name);
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, slot);
    };
    listen(tr("Play aya"), "playItemButton", tr("The selected aya with its repetitions and pauses, as it will be made"),
           &Norvane::PlayItem);
    listen(tr("Play track"), "playTrackButton", tr("The whole track (group) of the selected aya, as it will be made"),
           &Norvane::PlayTrack);
    listen(tr("Stop"), "stopButton", tr("Stop playing"), &Norvane::StopPlaying);

    // Three short rows fit the narrow column in every language: the group's
    // number and rep, its pause, then build-up beside the button that assigns.
    QGroupBox* groupBox = Group(playlist, tr("Groups"), Qt::Vertical, 2);
    groupBox->layout()->setSpacing(2);
    QWidget* groups = Box(groupBox, Qt::Horizontal, 2);
    Label(groups, tr("group number: "))->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    groupCombo = Add(groups, new QComboBox(groups));
    groupCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    groupCombo->setObjectName("groupCombo");
    for (int g = 1; g <= 100; ++g) groupCombo->addItem(QString::number(g));
    Label(groups, tr("rep: "))->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    groupRepSpin = Spin(groups, 1, 100, "groupRepSpin");
    static_cast<QBoxLayout*>(groups->layout())->addStretch(1);
    // How the group being assigned plays: a pause after each pass, and
    // build-up stages (aya 1; 1-2; 1-3; ...).
    QWidget* groupPause = Box(groupBox, Qt::Horizontal, 2);
    Label(groupPause, tr("pause after each pass (sec): "));
    groupPauseSpin = Spin(groupPause, 0, 60, "groupPauseSpin");
    static_cast<QBoxLayout*>(groupPause->layout())->addStretch(1);
    QWidget* assignRow = Box(groupBox, Qt::Horizontal, 2);
    buildUpCheck = Add(assignRow, new QCheckBox(tr("build-up"), assignRow));
    buildUpCheck->setObjectName("buildUpCheck");
    buildUpCheck->setToolTip(tr("Play aya 1, then ayas 1-2, then 1-3, ..., each stage as often as the group's rep"));
    static_cast<QBoxLayout*>(assignRow->layout())->addStretch(1);
    connect(Button(assignRow, tr("Assign"), "cd_add.png"), &QPushButton::clicked, this, &Norvane::AssignGroup);

    // How the whole disc or MP3 set plays, under the list it plays; filled
    // once the recitations are known.
    Box(column, Qt::Vertical, 0, 0)->setObjectName("playOptions");
    QWidget* listRow = Box(column, Qt::Horizontal, 4, 2);
    connect(Button(listRow, tr("Save Playlist"), "savelist.png", "savePlaylistButton"), &QPushButton::clicked, this, &Norvane::SavePlaylist);
    connect(Button(listRow, tr("Load Playlist"), "loadlist.png", "loadPlaylistButton"), &QPushButton::clicked, this, &Norvane::LoadPlaylist);
    return column;
}

QWidget* Norvane::BuildSurasBox(QWidget* parent) {
    QGroupBox* suras = Group(parent, tr("Suras"), Qt::Vertical, 4);
    QWidget* recitationRow = Box(suras, Qt::Horizontal, 4, 2);
    Label(recitationRow, tr("Recitation:"))->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    recitationCombo = Add(recitationRow, new QComboBox(recitationRow));
    recitationCombo->setObjectName("recitationCombo");
    recitationCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QWidget* chooserRow = Box(suras, Qt::Horizontal, 4);
    BuildDivisionChoosers(chooserRow);
    suraCombo = Add(chooserRow, new QComboBox(chooserRow));
    suraCombo->setObjectName("suraCombo");
    suraCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Long names (a reciter's, a sura's in two scripts) are cut in the
    // chooser rather than widening the column over the playlist's.
    for (QComboBox* chooser : {recitationCombo, suraCombo}) {
        chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        chooser->setMinimumContentsLength(12);
    }
    return suras;
}

void Norvane::FillSuraList() {
    Sura catalogue;
    quran->Setup();
    int index = 0;
    for (const JMapEntry& pack : quran->WhichSuras()) {
        const QString reciter = quran->Reciter(pack.first);  // one look into each pack
        for (int s = pack.first; s <= pack.last; ++s) {
            const std::string key = AyaKey::PartText(s);
            suraByIndex[index++] = key;
            // Every learner knows the suras by their Arabic names too.
            // The transliteration is isolated left to right, so that a right-to-left window
            // does not carry the number's point to the other side ("Al-Fatiha .1").
            const QString latin = LeftToRight(QString::fromStdString(catalogue.ShortName(key)));
            suraCombo->addItem(latin + QString::fromUtf8(" — ") + ArabicSuraName(s));
            if (!reciter.isEmpty()) suraCombo->setItemData(suraCombo->count() - 1, tr("Recited by %1").arg(reciter), Qt::ToolTipRole);
        }
    }
    if (suraCombo->count() == 0) {
        UserDialogs::Current().Information(
            "Norvane", tr("It seems like you do not have any sura packs installed!\nPlease go to %1 and download some!")
                               .arg(appinfo::kWebSiteName) + ImportHint());
    }
}

QWidget* Norvane::BuildAyaControls(QWidget* suras) {
    QWidget* spins = Box(suras, Qt::Horizontal, 4, 2);
    Label(spins, tr("aya rep: "));
    ayaRepSpin = Spin(spins, 1, 100, "ayaRepSpin");
    Label(spins, tr("aya pause (sec): "));
    ayaPauseSpin = Spin(spins, 0, 60, "ayaPauseSpin");
    // The pause may grow with the aya: time to recite a long aya back.
    QWidget* byLength = Box(suras, Qt::Horizontal, 4, 2);
    // An option of "Add all ayas", in the free room of this row.
    pageGroupsCheck = Add(byLength, new QCheckBox(tr("group by page"), byLength));
    pageGroupsCheck->setObjectName("pageGroupsCheck");
    pageGroupsCheck->setToolTip(tr("Add all ayas makes the ayas of each page of the mushaf a group of their own, "
                                   "played as the Groups box says"));
    static_cast<QBoxLayout*>(byLength->layout())->addStretch(1);
    lengthPauseSpin = Add(byLength, new QDoubleSpinBox(byLength));
    lengthPauseSpin->setObjectName("lengthPauseSpin");
    lengthPauseSpin->setRange(0, playlistlimits::kMaxLengthPauseQuarters / 4.0);
    lengthPauseSpin->setSingleStep(0.25);
    lengthPauseSpin->setDecimals(2);
    lengthPauseSpin->setPrefix("+ ");
    lengthPauseSpin->setToolTip(tr("Each pause grows by this many times the aya's own length"));
    Label(byLength, tr("× aya length"));

    ayaListBox = Add(suras, new QListWidget(suras));
    ayaListBox->setObjectName("ayaListBox");
    // As many columns of aya numbers as fit the width.
    ayaListBox->setFlow(QListView::LeftToRight);
    ayaListBox->setWrapping(true);
    ayaListBox->setResizeMode(QListView::Adjust);
    ayaListBox->setUniformItemSizes(true);
    connect(ayaListBox, &QListWidget::itemDoubleClicked, this, &Norvane::ClickedAyalist);

    QWidget* addRow = Box(suras, Qt::Horizontal, 4, 0);
    connect(Button(addRow, tr("Add this aya"), "cd_add.png", "addAyaButton"), &QPushButton::clicked, this, &Norvane::AddOne);
    connect(Button(addRow, tr("Add all ayas"), "cd_add.png"), &QPushButton::clicked, this, &Norvane::AddAll);
    QPushButton* play = Button(addRow, tr("Play"), "music.png");
    play->setObjectName("playAyaButton");
    play->setToolTip(tr("The selected aya as recorded, at the chosen speed (Space)"));
    connect(play, &QPushButton::clicked, this, &Norvane::PlayAya);
    return spins;
}

// The ways of playing that hold for a whole CD or MP3 set.
QWidget* Norvane::BuildPlayRow(QWidget* parent) {
    QWidget* row = Box(parent, Qt::Horizontal, 4, 2);
    basmalaCheck = Add(row, new QCheckBox(tr("Basmala before aya 1"), row));
    basmalaCheck->setObjectName("basmalaCheck");
    basmalaCheck->setToolTip(tr("Once in each track, before aya 1 of a sura (not suras 1 and 9) is first heard"));
    static_cast<QBoxLayout*>(row->layout())->addStretch(1);
    Label(row, tr("speed:"));
    playSpeedSpin = Add(row, new QDoubleSpinBox(row));
    playSpeedSpin->setObjectName("playSpeedSpin");
    playSpeedSpin->setRange(PlayOptions::kMinSpeedPercent / 100.0, PlayOptions::kMaxSpeedPercent / 100.0);
    playSpeedSpin->setSingleStep(PlayOptions::kSpeedStepPercent / 100.0);
    playSpeedSpin->setDecimals(2);
    // Half-typed values ("0.7" of "0.75") are not taken for a choice.
    playSpeedSpin->setKeyboardTracking(false);
    playSpeedSpin->setValue(1.0);
    playSpeedSpin->setToolTip(tr("Recitation speed; the reciter's pitch stays"));
    // The translations installed now, each offered by its name.
    QWidget* translationRow = Box(parent, Qt::Horizontal, 4, 2);
    Label(translationRow, tr("Translation after each aya"))->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    translationCombo = Add(translationRow, new QComboBox(translationRow));
    // A long name is cut rather than pushing the row wider than the column.
    translationCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    translationCombo->setMinimumContentsLength(6);
    translationCombo->setObjectName("translationCombo");
    translationCombo->setToolTip(tr("Played once after each aya's repetitions, followed by the aya's pause"));
    FillTranslationList();
    static_cast<QBoxLayout*>(translationRow->layout())->addStretch(1);
    return row;
}

PlayOptions Norvane::ChosenPlay() const {
    PlayOptions play;
    play.basmala = basmalaCheck && basmalaCheck->isChecked();
    if (playSpeedSpin) play.speedPercent = PlayOptions::NearestAllowedSpeedPercent(playSpeedSpin->value());
    if (translationCombo) play.translation = translationCombo->currentData().toString();
    return play;
}

int Norvane::LengthPauseQuarters() const { return int(std::lround(lengthPauseSpin->value() * 4)); }

QWidget* Norvane::BuildTabs(QWidget* tabColumn) {
    auto* tabs = Add(tabColumn, new QTabWidget(tabColumn));
    tabs->setObjectName("tabs");
    tabs->addTab(BuildCdPage(), Icon("cd.png"), "CD");
    tabs->addTab(BuildMp3Page(), Icon("music.png"), "MP3");
    return tabs;
}

QWidget* Norvane::BuildCdPage() {
    QWidget* page = Box(nullptr, Qt::Vertical, 3, 4);
    page->setObjectName("cdPage");
    cdLengthLabel = Label(page, CdLengthHtml(DiscTime{}));
    cdLengthLabel->setObjectName("cdLengthLabel");
    cdLengthLabel->setTextFormat(Qt::RichText);
    cdLengthLabel->setAutoFillBackground(true);
    cdLengthLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // the lists take the height
    QPalette black = cdLengthLabel->palette();
    black.setColor(QPalette::Window, Qt::black);
    cdLengthLabel->setPalette(black);
    // The figure's rich text asks for the largest font size; from a small base
    // font "CD Length: 100:00" still fits the tab's width.
    QFont base = cdLengthLabel->font();
    base.setPointSize(7);
    cdLengthLabel->setFont(base);

    QGroupBox* config = Group(page, tr("CD Writer Config"), Qt::Vertical, 2);
    // Without a writer, the advice takes the place of the writer's controls.
    noWriterLabel = Label(config, QString());
    noWriterLabel->setObjectName("noWriterLabel");
    noWriterLabel->setWordWrap(true);
    noWriterLabel->hide();
    writerControls = Box(config, Qt::Vertical, 0, 2);
    QWidget* driveRow = Box(writerControls, Qt::Horizontal, 2);
    Label(driveRow, tr("CD Drive: "));
    driveCombo = Add(driveRow, new QComboBox(driveRow));
    driveCombo->setObjectName("driveCombo");
    connect(driveCombo, qOverload<int>(&QComboBox::activated), this, &Norvane::RememberChosenWriter);

    QWidget* writingSpeedBox = Box(writerControls, Qt::Vertical, 2);
    writingSpeedLabel = Label(writingSpeedBox, WritingSpeedText(kDefaultWritingSpeedPosition));
    writingSpeedLabel->setObjectName("writingSpeedLabel");
    writingSpeedSlider = Slider(writingSpeedBox, kDefaultWritingSpeedPosition, "writingSpeedSlider");
    connect(writingSpeedSlider, &QSlider::valueChanged, this, &Norvane::ShowWritingSpeed);

    // Testing or erasing asks for a writer: without one the advice stands in their place too.
    QWidget* driveButtons = Box(writerControls, Qt::Horizontal, 2);
    connect(Button(driveButtons, tr("Test CD Drive"), "cd_eject.png"), &QPushButton::clicked, this, &Norvane::EjectCD);
    connect(Button(driveButtons, tr("Erase CD-RW"), "cd_delete.png"), &QPushButton::clicked, this, &Norvane::EraseCD);

    connect(Button(page, tr("Make Quran CD"), "cd_burn.png", "makeCdButton"), &QPushButton::clicked, this, &Norvane::MakeCD);
    return page;
}

QWidget* Norvane::BuildMp3Page() {
    QWidget* page = Box(nullptr, Qt::Vertical, 3, 4);
    page->setObjectName("mp3Page");
    // A small margin leaves room for the legend's 250-pixel table.
    QGroupBox* config = Group(page, tr("MP3 Config"), Qt::Vertical, 2);
    bitrateLabel = Label(config, BitrateText(kDefaultBitratePosition));
    bitrateLabel->setObjectName("bitrateLabel");
    bitrateSlider = Slider(config, kDefaultBitratePosition, "bitrateSlider");
    connect(bitrateSlider, &QSlider::valueChanged, this, &Norvane::ShowBitrate);
    Label(config, tr("<table width=250><tr><td><p align=\"left\">low quality<br>smaller file</p></td>"
                     "<td><p align=\"right\">good quality<br>larger file</p></td></tr></table>"));

    QWidget* saveRow = Box(page, Qt::Horizontal, 2);
    Label(saveRow, tr("Save to: "));
    mp3DirEdit = Add(saveRow, new QLineEdit(saveRow));
    mp3DirEdit->setObjectName("mp3DirEdit");
    connect(mp3DirEdit, &QLineEdit::editingFinished, this,
            [this] { settings->WriteString("dir", "mp3dir", mp3DirEdit->text()); });
    connect(Button(saveRow, tr("Browse..."), "folder.png"), &QPushButton::clicked, this, &Norvane::BrowseMP3);

    numberedCheck = Add(page, new QCheckBox(tr("Number files in playing order"), page));
    numberedCheck->setObjectName("numberedCheck");
    connect(numberedCheck, &QCheckBox::toggled, this,
            [this](bool on) { settings->WriteInt("dir", "numbered", on ? 1 : 0); });

    connect(Button(page, tr(" Make MP3"), "music.png", "makeMp3Button"), &QPushButton::clicked, this, &Norvane::MakeMP3);
    return page;
}

void Norvane::SetUpRunner() {
    runner = new ProcessWrap();
    audio = new Mp3Probe();
    connect(runner, &ProcessWrap::ProcessDone, this, &Norvane::DriveCommandEnded);
    connect(runner, &ProcessWrap::CannotRun, this, &Norvane::CannotRunBox);
}

void Norvane::SetUpProgress() {
    progress = new Progress(this, "", true, Progress::DefaultFlags());
    connect(this, &Norvane::StatMsg, progress, qOverload<QString>(&Progress::AddLog));
    connect(progress, &Progress::CancelRequested, this, &Norvane::CancelJob);
}

QString Norvane::BitrateText(int position) {
    return Norvane::tr("Current bitrate: %1 kbit").arg(BitrateAt(position));
}

QString Norvane::WritingSpeedText(int position) {
    return Norvane::tr("CD Writing Speed: %1x").arg(WritingSpeedAt(position));
}

QList<int> Norvane::SplitSizes(float a, float b, int total) {
    // The fractions are single precision but the products are formed in
    // double precision before truncation: 580 x 0.7f gives 405, not 406.
    return {int(double(total) * a), int(double(total) * b)};
}

void Norvane::ShowBitrate(int position) { bitrateLabel->setText(BitrateText(position)); }

void Norvane::ShowWritingSpeed(int position) { writingSpeedLabel->setText(WritingSpeedText(position)); }

void Norvane::BrowseMP3() {
    const QString chosen = UserDialogs::Current().ExistingDirectory(this, tr("Choose a directory to place your MP3s"),
                                                                     UserDialogs::StartDir());
    if (chosen.isEmpty() || !QFileInfo(chosen).isDir()) return;
    mp3DirEdit->setText(chosen);
    settings->WriteString("dir", "mp3dir", chosen);
}

void Norvane::About() {
    const QString text =
        tr("Welcome to Norvane!<br><font size=\"8\"><b>v%1</font></b>"
           "<br><font size=\"8\"><b>Freeware</font></b><br>This program was written to help "
           "us all memorize the Quran easily. You can memorize using your car's CD player, home "
           "entertainment system, or MP3 player. <br><br>Please remember and make dua for our muslim "
           "brothers and sisters that are suffering in the world.<br><br>If you have any questions, "
           "comments, or bugs to report, please contact <a href=\"mailto:%2\">%2</a><br><br>"
           "<a href=\"%3\">Visit %4 for news and sura packs!</a>")
            .arg(NORVANE_VERSION, appinfo::kContactMail, appinfo::kWebSiteUrl, appinfo::kWebSiteName);
    UserDialogs::Current().About("Norvane :: Kelstrom Software", text, LoadPackedImage("cd_burn.png"));
}

void Norvane::Help() { QDesktopServices::openUrl(QUrl::fromLocalFile(Locations::Current().GuideFile())); }

void Norvane::Exit() { QApplication::exit(0); }
