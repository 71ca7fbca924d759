// The main window as a user drives it, with real MP3 recordings in real sura
// packs: the burn list (adding, refusing duplicates, groups, removing, totals
// and playlists).

#include "app/norvane.h"
#include "app/player.h"
#include "burnlist/burnlistmodel.h"
#include "library/recitation.h"
#include "production/trackplan.h"
#include "support/gui.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

// The sound card's stand-in: it plays what the test says it has played.
struct ListeningOutput : AudioOutput {
    bool available = true;
    QIODevice* source = nullptr;
    qint64 played = 0;
    bool Available() const override { return available; }
    Problem Start(QIODevice* from) override {
        source = from;
        played = 0;
        return {};
    }
    void Stop() override { source = nullptr; }
    qint64 PlayedBytes() const override { return played; }
    bool Idle() const override { return source && source->atEnd(); }
};

class BurnListWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    testenv::FakeTool cdrdao{dir.path()};  // finds no writer
    ScriptedDialogs dialogs;  // answers every box of the run
    std::unique_ptr<Norvane> window;

    QAbstractItemView* burnBox() { return Child<QAbstractItemView>(window.get(), "burnListBox"); }
    // Suras in the combo: 0 = 001, 1 = 002, 2 = 009, 3 = 010.
    void Add(int sura, int ayaRow, int reps = 1, int pause = 0) { AddAya(window.get(), sura, ayaRow, reps, pause); }

    // The burn list as "002.255x3+2" (repetitions, pause), with "/g4" for a member of group 4.
    QString List() {
        QStringList entries;
        for (const saya& s : window->BurnList())
            entries << QString::fromStdString(s.Key()) + QString("x%1+%2").arg(s.reps).arg(s.pause) +
                           (s.group > 0 ? QString("/g%1").arg(s.group) : QString());
        return entries.join(' ');
    }
    // The keys in the window's list, in its order.
    QString Shown() {
        const QAbstractItemModel* rows = burnBox()->model();
        QStringList keys;
        for (int row = 0; row < rows->rowCount(); ++row) keys << rows->index(row, 0).data().toString().left(7);
        return keys.join(' ');
    }
    // The keys of the tracks' members the list makes, in the order they are made.
    QString Made() {
        QStringList keys;
        for (const PlannedTrack& track : PlanTracks(window->BurnList(), window->GroupReps()))
            for (const saya& member : track.members) keys << QString::fromStdString(member.Key());
        return keys.join(' ');
    }
    // Selects these entries in the window's list; the last one is current.
    void Select(const QStringList& keys) {
        burnBox()->clearSelection();
        const QAbstractItemModel* rows = burnBox()->model();
        for (const QString& key : keys) {
            const QModelIndex found =
                rows->match(rows->index(0, 0), Qt::DisplayRole, key, 1, Qt::MatchStartsWith).value(0);
            QVERIFY(found.isValid());
            burnBox()->selectionModel()->setCurrentIndex(found, QItemSelectionModel::Select);
        }
    }
    void Assign(const QStringList& keys, int group, int reps) {
        Select(keys);
        Child<QComboBox>(window.get(), "groupCombo")->setCurrentIndex(group - 1);
        Child<QSpinBox>(window.get(), "groupRepSpin")->setValue(reps);
        window->AssignGroup();
    }

private slots:
    void initTestCase() {
        // Tagged MP3s (44.1 kHz, 128 kbit/s) measure to the sample: 3.6 s is
        // 270 blocks of 1/75 s, 10.2 s 765, the silence 75.
        const QByteArray shortMp3 = testenv::makeMp3(3600, 44100, 1, {"-b", "128"});
        const QByteArray longMp3 = testenv::makeMp3(10200, 44100, 1, {"-b", "128"});
        const QByteArray silence = testenv::makeMp3(1000, 44100, 1, {"-b", "128", "--scale", "0"});
        testenv::PackEntries first;
        for (int a = 1; a <= 7; ++a) first.append({QString("001.%1.mp3").arg(a, 3, 10, QChar('0')), shortMp3});
        first << qMakePair(QString("002.001.mp3"), shortMp3) << qMakePair(QString("002.255.mp3"), shortMp3)
              << qMakePair(QString("silence.mp3"), silence);
        QVERIFY(testenv::writePack(dir.filePath("work/quran/s001_s002.mat"), first));
        QVERIFY(testenv::writePack(dir.filePath("work/quran/s009_s010.mat"),
                                   {{"010.001.mp3", longMp3}, {"silence.mp3", silence}}));
        QVERIFY(testenv::writePack(dir.filePath("work/quran/english/s001_s002.mat"),
                                   {{"001.002.mp3", shortMp3}, {"002.001.mp3", shortMp3}, {"silence.mp3", silence}}));
        RecitationManifest english;
        english.kind = RecitationManifest::kTranslation;
        QVERIFY(!english.Write(dir.filePath("work/quran/english")));
        QVERIFY(QDir::setCurrent(dir.filePath("work")) && cdrdao.setScript(""));
    }

    // No CD writer here: the CD tab says so, and a box comes only when the
    // writer is asked for something.
    void init() {
        dialogs.boxes.clear();
        window = std::make_unique<Norvane>();
        QVERIFY(dialogs.boxes.isEmpty() && Child<QLabel>(window.get(), "noWriterLabel")->isVisibleTo(window.get()));
        window->EraseCD();
        QCOMPARE(dialogs.boxes.size(), 1);
        dialogs.boxes.clear();
    }

    void addingAndRemovingRefuseDuplicates() {
        window->RemoveOne();
        window->RemoveSura();
        QCOMPARE(dialogs.boxes.size(), 2);  // nothing selected, said each time
        Add(3, 0);
        Add(0, 0);
        Add(1, 254, 3, 2);
        Add(1, 254, 7, 9);  // refused: the entry of before stays as it was
        Add(0, 2, 7, 9);
        Add(1, 0);
        QCOMPARE(List(), "001.001x1+0 001.003x7+9 002.001x1+0 002.255x3+2 010.001x1+0");
        Select({"001.003"});
        window->RemoveOne();
        Select({"002.255"});
        window->RemoveSura();
        QCOMPARE(Shown(), "001.001 010.001");
        // The whole sura skips, without a word, the ayas listed; removed ones come back.
        window->SuraSelected(0);
        Child<QSpinBox>(window.get(), "ayaRepSpin")->setValue(5);
        window->AddAll();
        QCOMPARE(dialogs.boxes.size(), 3);
        QVERIFY(dialogs.boxes[2].text.startsWith("002.255 already in playlist"));
        QCOMPARE(List(), "001.001x1+0 001.002x5+0 001.003x5+0 001.004x5+0 001.005x5+0 001.006x5+0 001.007x5+0 "
                         "010.001x1+0");
        QCOMPARE(Shown(), "001.001 001.002 001.003 001.004 001.005 001.006 001.007 010.001");
        // The keyboard: Delete in the list removes the selected entry, Ctrl+I adds it back.
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Select({"001.004"});
        burnBox()->setFocus();
        QTest::keyClick(burnBox(), Qt::Key_Delete);
        QVERIFY(!Shown().contains("001.004"));
        Child<QListWidget>(window.get(), "ayaListBox")->setCurrentRow(3);
        QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
        QVERIFY(Shown().contains("001.004"));
    }

    // The list shows the entries in the order the disc plays them (groups
    // first, each where its first member stands), whatever order the file,
    // the adds, removals and groupings left the list in.
    void playlistAndGroupsMakeTheTotalInPlayingOrder() {
        Add(3, 0);
        Assign({"010.001"}, 4, 9);  // the file's count for group 4 must win
        const QString path = dir.filePath("order.qap");
        QVERIFY(testenv::writeFile(path, "010,001,1,0,0,0\r\n002,255,3,2,4,5\r\n001,002,1,0,4,5\r\n"));
        dialogs.fileAnswers << path;
        window->LoadPlaylist();
        QCOMPARE(List(), "010.001x1+0 002.255x3+2/g4 001.002x1+0/g4");
        QCOMPARE(Shown(), Made());
        QCOMPARE(window->Disc().trackTotal, 765 + (3 * (270 + 2 * 75) + 270) * 5);
        // A folder is reported; a cancelled chooser and a vanished file are not. None changes the list.
        QVERIFY(QDir().mkpath(dir.filePath("folder.qap")));
        dialogs.fileAnswers << dir.filePath("folder.qap") << QString() << dir.filePath("gone.qap");
        for (int i = 0; i < 3; ++i) window->LoadPlaylist();
        QCOMPARE(dialogs.Texts().filter("could not be read").size(), 1);
        Assign({"002.255"}, 1, 3);  // a member moves to another group; the loaded order stays
        QCOMPARE(Shown(), "002.255 001.002 010.001");
        Add(0, 0);  // until the next add sorts the list by key
        QCOMPARE(Shown(), "001.002 002.255 001.001 010.001");
        QCOMPARE(Shown(), Made());
        Assign({"001.001", "001.002"}, 4, 6);
        QCOMPARE(List(), "001.001x1+0/g4 001.002x1+0/g4 002.255x3+2/g1 010.001x1+0");
        Select({"001.001"});  // removing a member keeps its group for the others
        window->RemoveOne();
        QCOMPARE(window->Disc().trackTotal, 270 * 6 + 3 * (270 + 2 * 75) * 3 + 765);
        QVERIFY(Child<QLabel>(window.get(), "cdLengthLabel")->text().contains(">01:24<"));  // 2 s before track 1
        QCOMPARE(Shown(), Made());
        Select({"010.001"});
        window->RemoveSura();
        QCOMPARE(Shown(), Made());
        const QString made = Made();
        dialogs.fileAnswers << dir.filePath("again.qap") << dir.filePath("again.qap");
        window->SavePlaylist();
        window->RemoveAll();
        window->LoadPlaylist();
        QCOMPARE(Made(), made);
        QCOMPARE(Shown(), made);
    }

    // The recitation chooser: the suras, the figure and the next start
    // follow it. 010.001 is 10.2 s in the installed packs and 3.6 s (padded
    // to 4 s) in "Short".
    void recitationChooserLeadsSurasFigureAndSettings() {
        QVERIFY(testenv::writePack("quran/Short/s009_s010.mat",
                                   {{"010.001.mp3", testenv::makeMp3(3600, 44100, 1, {"-b", "128"})}}));
        window = std::make_unique<Norvane>();
        Add(3, 0);
        QCOMPARE(window->Disc().trackTotal, 765);
        auto* chooser = Child<QComboBox>(window.get(), "recitationCombo");
        const auto choose = [&](const QString& name) {
            chooser->setCurrentIndex(chooser->findData(name));
            window->RecitationChosen(chooser->currentIndex());
        };
        choose("Short");
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 2);
        QCOMPARE(window->Disc().trackTotal, 300);
        window = std::make_unique<Norvane>();
        chooser = Child<QComboBox>(window.get(), "recitationCombo");
        QCOMPARE(chooser->currentData().toString(), QString("Short"));
        choose("default");
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 4);
        QVERIFY(QDir("quran/Short").removeRecursively());
    }

    // By juz the grid holds the juz's ayas by key, of installed suras only.
    // "One group per page" makes what norvane-make plan makes, and adds
    // nothing when the group numbers run out. The Sura view stays.
    void juzInGroupsOfOnePageAsPlanMakesIt() {
        QVERIFY(testenv::writePack("quran/s078_s114.mat", {{"078.001.mp3", testenv::makeMp3(3600)}}));
        window = std::make_unique<Norvane>();
        auto* grid = Child<QListWidget>(window.get(), "ayaListBox");
        window->DivisionKindChosen(Child<QComboBox>(window.get(), "byCombo")->findText("Juz"));
        window->DivisionSelected(2);  // juz 3: 2:253 to 3:92, sura 3 not installed
        QVERIFY(grid->count() == 34 && grid->item(33)->text() == "002.286");
        window->DivisionSelected(29);
        Child<QCheckBox>(window.get(), "pageGroupsCheck")->setChecked(true);
        Child<QSpinBox>(window.get(), "groupRepSpin")->setValue(2);
        Child<QSpinBox>(window.get(), "groupPauseSpin")->setValue(1);
        window->AddAll();
        QCOMPARE(Shown(), Made());
        dialogs.fileAnswers << dir.filePath("juz30.qap");
        window->SavePlaylist();
        const auto plan = testenv::run(testenv::binDir() + "/norvane-make",
                                       {"plan", "plan.qap", "--juz", "30", "--group-by", "page", "--group-reps", "2",
                                        "--group-pause", "1"},
                                       dir.path());
        QCOMPARE(plan.exitCode, 0);
        QCOMPARE(testenv::readFile(dir.filePath("juz30.qap")), testenv::readFile(dir.filePath("plan.qap")));
        // Groups 1 to 100 taken: nothing more is added, and the box says why.
        QByteArray hundred;
        for (int g = 1; g <= 100; ++g)
            hundred += QString("002,%1,1,0,%2,1\n").arg(g, 3, 10, QChar('0')).arg(g).toUtf8();
        QVERIFY(testenv::writeFile(dir.filePath("hundred.qap"), hundred));
        dialogs.fileAnswers << dir.filePath("hundred.qap");
        window->LoadPlaylist();
        window->DivisionSelected(0);
        window->AddAll();
        QCOMPARE(int(window->BurnList().size()), 100);
        QVERIFY(dialogs.boxes.last().text.contains("only 0 of the 100 group numbers are free"));
        window->DivisionKindChosen(0);
        QCOMPARE(grid->item(0)->text(), QString("001"));
        QVERIFY(QFile::remove("quran/s078_s114.mat"));
    }

    // A pause growing with the aya, a build-up group with its pause, the
    // basmala, the translation and the speed reach the items, the figure,
    // the file and the settings. Members 001.002 and 002.001 (3.6 s, + 1.8
    // s), group pause 1 s, played twice: stage 1 2 x 6.4 s, stage 2 2 x
    // 11.8 s; the basmala (3.6 s) once before 002.001, a translation (3.6 s)
    // after each of the six blocks. At half speed the recordings double.
    void memorisationControlsReachListFigureFileAndSettings() {
        Child<QDoubleSpinBox>(window.get(), "lengthPauseSpin")->setValue(0.5);
        Add(0, 1);
        Add(1, 0);
        Child<QSpinBox>(window.get(), "groupPauseSpin")->setValue(1);
        Child<QCheckBox>(window.get(), "buildUpCheck")->setChecked(true);
        Assign({"001.002", "002.001"}, 2, 2);
        QVERIFY(burnBox()->model()->index(0, 0).data().toString().endsWith(
            "+ 0.5 × aya b/w reps (GRP: 2 x 2, pause 1 secs, build-up)"));
        // Each aya block is 270 + 135 blocks; the stages play (405 + 75) x 2
        // and (810 + 75) x 2. The basmala adds 270 once; at half speed the
        // recordings and their length pauses double: 1770 + 3390 + 540.
        QCOMPARE(window->Disc().trackTotal, 2730);
        Child<QCheckBox>(window.get(), "basmalaCheck")->setChecked(true);
        QCOMPARE(window->Disc().trackTotal, 2730 + 270);
        auto* translation = Child<QComboBox>(window.get(), "translationCombo");
        QCOMPARE(translation->count(), 2);  // none, english
        translation->setCurrentIndex(translation->findData("english"));
        QCOMPARE(window->Disc().trackTotal, 2730 + 270 + 6 * 270);
        auto* speed = Child<QDoubleSpinBox>(window.get(), "playSpeedSpin");
        speed->setValue(0.75);
        const qint64 atThreeQuarters = window->Disc().trackTotal;
        // A speed typed between two offered ones is taken as the nearer.
        speed->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(speed, "0.73");
        QTest::keyClick(speed, Qt::Key_Enter);
        QCOMPARE(speed->value(), 0.75);
        QCOMPARE(window->Disc().trackTotal, atThreeQuarters);
        speed->setValue(0.5);
        QCOMPARE(window->Disc().trackTotal, 5700 + 6 * 540);
        dialogs.fileAnswers << dir.filePath("memorise.qap");
        window->SavePlaylist();
        QCOMPARE(testenv::readFile(dir.filePath("memorise.qap")).split('\n').first().trimmed(),
                 QByteArray("001,002,1,0,2,2,px=0.5,gp=1,gm=build"));
        window = std::make_unique<Norvane>();  // the settings bring them back
        QVERIFY(Child<QCheckBox>(window.get(), "basmalaCheck")->isChecked());
        QCOMPARE(Child<QDoubleSpinBox>(window.get(), "playSpeedSpin")->value(), 0.5);
        QCOMPARE(Child<QComboBox>(window.get(), "translationCombo")->currentData().toString(), QString("english"));
        // A translation gone since is none.
        QVERIFY(QDir("quran").rename("english", "gone"));
        window = std::make_unique<Norvane>();
        QCOMPARE(Child<QComboBox>(window.get(), "translationCombo")->currentData().toString(), QString());
        QVERIFY(QDir("quran").rename("gone", "english"));
    }

    // Without an audio output Play (and Space in the aya grid) says so.
    // With one, the highlighted row follows the member being heard through
    // its repetitions and pauses and the group's passes, and Stop stops.
    void listeningFollowsTheAyaHeard() {
        ListeningOutput output;
        output.available = false;
        AudioOutput::Install(&output);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->SuraSelected(1);
        auto* ayas = Child<QListWidget>(window.get(), "ayaListBox");
        ayas->setCurrentRow(0);
        ayas->setFocus();
        QTest::keyClick(ayas, Qt::Key_Space);
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.boxes[0].text.contains("no audio output"));
        QVERIFY(Child<QLabel>(window.get(), "statusLabel")->text().contains("no audio output"));

        output.available = true;
        Child<QComboBox>(window.get(), "translationCombo")->setCurrentIndex(0);
        Child<QCheckBox>(window.get(), "basmalaCheck")->setChecked(true);
        Add(1, 0, 2, 1);
        Add(1, 254);
        Add(0, 0);
        Assign({"002.001", "002.255"}, 1, 2);
        Select({"002.255"});
        Child<QPushButton>(window.get(), "playTrackButton")->click();
        QVERIFY2(output.source, qPrintable(Child<QLabel>(window.get(), "statusLabel")->text()));
        QStringList heard;
        for (auto* player = Child<Player>(window.get()); output.source;) {
            output.played += output.source->read(17640).size();  // a tenth of a second
            player->Follow();
            const QString row = burnBox()->currentIndex().data(BurnListModel::KeyRole).toString();
            if (heard.value(heard.size() - 1) != row) heard << row;
        }
        QCOMPARE(heard.join(' '), QString("002.001 002.255 002.001 002.255"));
        QCOMPARE(dialogs.boxes.size(), 1);
        Select({"001.001"});
        Child<QPushButton>(window.get(), "playItemButton")->click();
        QVERIFY(output.source);
        Child<QPushButton>(window.get(), "stopButton")->click();
        QVERIFY(!output.source);
        AudioOutput::Install(nullptr);
    }
};

QTEST_MAIN(BurnListWindowTest)
#include "gui_burnlist.moc"
