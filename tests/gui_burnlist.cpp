// The burn list through the real main window: adding, ordering, refusing
// duplicates, groups, removing, the total time figure and playlists, with
// real MP3 recordings in real sura packs.

#include "app/norvane.h"
#include "burnlist/playlist.h"
#include "library/qaudio.h"
#include "support/gui.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const char kAlreadyListed[] =
    " already in playlist.<br>Remove from playlist if you wish to update time or pause and then re-add.";

using testenv::keys;

QStringList Texts(QListWidget* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->item(i)->text();
    return texts;
}

QStringList KeysShown(QListWidget* box) {
    QStringList keys;
    for (const QString& t : Texts(box)) keys << t.left(7);
    return keys;
}

}  // namespace

class BurnListWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    testenv::SilentCdrdao cdrdao{dir.filePath("fakebin")};
    QByteArray shortMp3, longMp3;  // about 3.6 s and 10.2 s
    std::unique_ptr<Norvane> window;
    std::unique_ptr<ScriptedDialogs> dialogs;

    QListWidget* burnBox() { return Child<QListWidget>(window.get(), "burnListBox"); }
    QListWidget* ayaBox() { return Child<QListWidget>(window.get(), "ayaListBox"); }
    QString status() { return Child<QLabel>(window.get(), "statusLabel")->text(); }
    QString figure() { return Child<QLabel>(window.get(), "cdLengthLabel")->text(); }

    // Suras in the combo: 0 = 001, 1 = 002, 2 = 009, 3 = 010.
    void Add(int suraIndex, int ayaRow, int reps = 1, int pause = 0) { AddAya(window.get(), suraIndex, ayaRow, reps, pause); }
    void SelectShown(const QStringList& keys) {
        burnBox()->clearSelection();
        for (int i = 0; i < burnBox()->count(); ++i)
            if (keys.contains(burnBox()->item(i)->text().left(7))) {
                burnBox()->setCurrentRow(i, QItemSelectionModel::Select);
            }
    }
    void Assign(const QStringList& keys, int group, int reps) {
        SelectShown(keys);
        Child<QComboBox>(window.get(), "groupCombo")->setCurrentIndex(group - 1);
        Child<QSpinBox>(window.get(), "groupRepSpin")->setValue(reps);
        window->AssignGroup();
    }
    void Focus(const QString& key) {
        for (int i = 0; i < burnBox()->count(); ++i)
            if (burnBox()->item(i)->text().startsWith(key)) burnBox()->setCurrentRow(i);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());

        // Tagged MP3s (44.1 kHz, 128 kbit/s) measure to the millisecond.
        shortMp3 = testenv::makeMp3(3600, 44100, 1, {"-b", "128"});
        longMp3 = testenv::makeMp3(10200, 44100, 1, {"-b", "128"});
        QAudio audio;
        const int shortMs = audio.GetLen(testenv::toVector(shortMp3));
        const int longMs = audio.GetLen(testenv::toVector(longMp3));
        QVERIFY2(shortMs >= 3500 && shortMs < 4000, qPrintable(QString::number(shortMs)));
        QVERIFY2(longMs >= 10000 && longMs < 11000, qPrintable(QString::number(longMs)));

        const QString work = dir.filePath("work");
        testenv::PackEntries first;
        for (int a = 1; a <= 7; ++a) first.append({QString("001.%1.mp3").arg(a, 3, 10, QChar('0')), shortMp3});
        first.append({"002.001.mp3", shortMp3});
        first.append({"002.010.mp3", longMp3});
        first.append({"002.255.mp3", shortMp3});
        first.append({"silence.mp3", shortMp3});
        QVERIFY(testenv::writePack(work + "/quran/s001_s002.mat", first));
        QVERIFY(testenv::writePack(work + "/quran/s009_s010.mat", {{"010.001.mp3", longMp3}, {"silence.mp3", shortMp3}}));
        QVERIFY(QDir::setCurrent(work));
    }

    void init() {
        dialogs = std::make_unique<ScriptedDialogs>();
        window = std::make_unique<Norvane>();
        QCOMPARE(Child<QComboBox>(window.get(), "suraCombo")->count(), 4);
        dialogs->boxes.clear();  // start-up notices (no CD writer here)
    }

    void cleanup() {
        window.reset();
        dialogs.reset();
    }

    void entriesStandInBurnKeyOrder() {
        Add(3, 0);  // 010.001
        Add(1, 9);  // 002.010
        QCOMPARE(status(), QString("Added aya"));
        Add(1, 0);  // 002.001
        const QStringList expected{"002.001", "002.010", "010.001"};
        QCOMPARE(keys(window->BurnList()), expected);
        QCOMPARE(KeysShown(burnBox()), expected);
        QCOMPARE(burnBox()->item(0)->text(), QString("002.001 x 1 - pause: 0 secs b/w reps"));
        QVERIFY(dialogs->boxes.isEmpty());
    }

    void duplicateIsRefusedWithTheKeyInFront() {
        Add(1, 254, 3, 2);
        Add(1, 254, 7, 9);
        QCOMPARE(dialogs->boxes.size(), 1);
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane"));
        QCOMPARE(dialogs->boxes[0].text, QString("002.255") + kAlreadyListed);
        QCOMPARE(window->BurnList().size(), size_t(1));
        QCOMPARE(window->BurnList()[0].reps, 3);
        QCOMPARE(window->BurnList()[0].pause, 2);
        QCOMPARE(Texts(burnBox()), QStringList{"002.255 x 3 - pause: 2 secs b/w reps"});
    }

    void doubleClicksAddAndRemove() {
        window->SuraSelected(0);
        ayaBox()->setCurrentRow(2);
        emit ayaBox()->itemDoubleClicked(ayaBox()->item(2));
        QCOMPARE(keys(window->BurnList()), QStringList{"001.003"});
        burnBox()->setCurrentRow(0);
        emit burnBox()->itemDoubleClicked(burnBox()->item(0));
        QVERIFY(window->BurnList().empty());
        QCOMPARE(burnBox()->count(), 0);
    }

    void totalTruncatesEachAyaBeforeMultiplying() {
        QCOMPARE(window->TotalSeconds(), 0);
        QVERIFY(figure().contains("\">00:00</b>"));
        Add(0, 0, 3, 2);  // 3.6 s: (3 + 2) x 3
        QCOMPARE(window->TotalSeconds(), 15);
        QVERIFY2(figure().contains("#EEEEEE\">00:15</b>"), qPrintable(figure()));
    }

    void groupsShareTheirRepetitions() {
        Add(0, 0);
        burnBox()->setCurrentItem(nullptr);
        window->AssignGroup();  // nothing current: nothing assigned
        QCOMPARE(window->BurnList()[0].group, 0);
        QCOMPARE(window->GroupReps().count(1), size_t(0));
        Add(0, 1);
        Add(0, 2);
        Add(0, 3);
        Assign({"001.001", "001.002", "001.003"}, 2, 4);
        QCOMPARE(Texts(burnBox()).filter("(GRP: 2 x 4)").size(), 3);
        QCOMPARE(Texts(burnBox()).last(), QString("001.004 x 1 - pause: 0 secs b/w reps"));
        Assign({"001.004"}, 2, 6);
        QCOMPARE(Texts(burnBox()).filter("(GRP: 2 x 6)").size(), 4);
        QCOMPARE(window->GroupReps().at(2), 6);
        // Four ayas of 3 s, played six times.
        QCOMPARE(window->TotalSeconds(), 4 * 3 * 6);
        // Moved to another group by assigning again.
        Assign({"001.001"}, 5, 2);
        QCOMPARE(burnBox()->item(0)->text(), QString("001.001 x 1 - pause: 0 secs b/w reps (GRP: 5 x 2)"));
        QCOMPARE(window->BurnList()[0].group, 5);
    }

    void removeOneNeedsASelectionAndAllowsReAdding() {
        window->RemoveOne();
        QCOMPARE(dialogs->boxes.size(), 1);
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane Error"));
        QCOMPARE(dialogs->boxes[0].text, QString("No aya selected to delete!"));

        Add(0, 0);
        Add(0, 1);
        Focus("001.001");
        window->RemoveOne();
        QCOMPARE(keys(window->BurnList()), QStringList{"001.002"});
        QCOMPARE(KeysShown(burnBox()), QStringList{"001.002"});
        Add(0, 0, 2, 1);
        QCOMPARE(keys(window->BurnList()), (QStringList{"001.001", "001.002"}));
        QCOMPARE(dialogs->boxes.size(), 1);
    }

    void removeSuraKeepsOthersAndTheirGroups() {
        window->RemoveSura();
        QCOMPARE(dialogs->Texts(), QStringList{"No sura selected to delete!"});
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane Error"));

        Add(0, 0);
        Add(1, 0);
        Add(1, 254);
        Add(3, 0);
        Assign({"001.001", "002.001"}, 3, 2);
        Focus("002.255");
        window->RemoveSura();
        QCOMPARE(keys(window->BurnList()), (QStringList{"001.001", "010.001"}));
        QCOMPARE(Texts(burnBox()), (QStringList{"001.001 x 1 - pause: 0 secs b/w reps (GRP: 3 x 2)",
                                                "010.001 x 1 - pause: 0 secs b/w reps"}));
        QCOMPARE(window->TotalSeconds(), 3 * 2 + 10);
        // A removed aya of that sura can be added again.
        Add(1, 0);
        QCOMPARE(window->BurnList().size(), size_t(3));
    }

    void removeAllKeepsGroupRepetitions() {
        Add(0, 0);
        Assign({"001.001"}, 7, 9);
        window->RemoveAll();
        QVERIFY(window->BurnList().empty());
        QCOMPARE(burnBox()->count(), 0);
        QCOMPARE(window->TotalSeconds(), 0);
        QCOMPARE(window->GroupReps().at(7), 9);
        // A group used before takes the new count.
        Add(0, 0);
        Assign({"001.001"}, 7, 2);
        QCOMPARE(window->GroupReps().at(7), 2);
    }

    void addAllSkipsAyasAlreadyListed() {
        Add(0, 0, 2, 1);
        Add(0, 2, 2, 1);
        Add(1, 0);
        window->SuraSelected(0);
        Child<QSpinBox>(window.get(), "ayaRepSpin")->setValue(5);
        window->AddAll();
        QVERIFY(dialogs->boxes.isEmpty());
        QCOMPARE(status(), QString("Done adding sura"));
        auto* progress = Child<QProgressBar>(window.get(), "statusProgress");
        QCOMPARE(progress->maximum(), 7);
        QCOMPARE(progress->value(), 7);
        QCOMPARE(keys(window->BurnList()),
                 (QStringList{"001.001", "001.002", "001.003", "001.004", "001.005", "001.006", "001.007",
                              "002.001"}));
        QCOMPARE(KeysShown(burnBox()), keys(window->BurnList()));
        QCOMPARE(window->BurnList()[0].reps, 2);
        QCOMPARE(window->BurnList()[1].reps, 5);
        QCOMPARE(window->BurnList()[2].reps, 2);
        // (3 + 1) x 2 twice, 3 x 5 five times, and 002.001 once.
        QCOMPARE(window->TotalSeconds(), 8 + 8 + 75 + 3);
    }

    void playlistSavedAndLoadedThroughTheWindow() {
        Add(1, 254, 3, 2);
        Add(0, 0);
        Add(0, 1);
        Assign({"001.001", "001.002"}, 4, 5);
        dialogs->fileAnswers << dir.filePath("plan");
        window->SavePlaylist();
        QCOMPARE(status(), QString("Finished Saving Playlist"));
        QCOMPARE(dialogs->askedCaptions, QStringList{"Choose a playlist name to save"});
        QCOMPARE(dialogs->askedStartDirs, QStringList{QDir::homePath()});
        QCOMPARE(testenv::readFile(dir.filePath("plan.qap")),
                 QByteArray("001,001,1,0,4,5\n001,002,1,0,4,5\n002,255,3,2,0,0\n"));
        const int total = window->TotalSeconds();

        window->RemoveAll();
        Add(3, 0);
        dialogs->fileAnswers << dir.filePath("plan.qap");
        window->LoadPlaylist();
        QCOMPARE(dialogs->askedCaptions.last(), QString("Choose a playlist to open"));
        QCOMPARE(status(), QString("Finished Loading Playlist"));
        QCOMPARE(keys(window->BurnList()), (QStringList{"001.001", "001.002", "002.255"}));
        QCOMPARE(Texts(burnBox()), (QStringList{"001.001 x 1 - pause: 0 secs b/w reps (GRP: 4 x 5)",
                                                "001.002 x 1 - pause: 0 secs b/w reps (GRP: 4 x 5)",
                                                "002.255 x 3 - pause: 2 secs b/w reps"}));
        QCOMPARE(window->TotalSeconds(), total);
        QVERIFY(dialogs->boxes.isEmpty());
    }

    void loadedFileOrderIsKeptUntilTheNextAdd() {
        const QString path = dir.filePath("order.qap");
        testenv::writeFile(path, "010,001,1,0,0,0\r\n002,255,1,0,0,0\r\n001,002,1,0,0,0\r\n");
        dialogs->fileAnswers << path;
        window->LoadPlaylist();
        QCOMPARE(keys(window->BurnList()), (QStringList{"010.001", "002.255", "001.002"}));
        QCOMPARE(KeysShown(burnBox()), (QStringList{"001.002", "002.255", "010.001"}));
        // Assign refills the box in the list's (file) order; Add All sorts both.
        Assign({"002.255"}, 1, 2);
        QCOMPARE(KeysShown(burnBox()), (QStringList{"010.001", "002.255", "001.002"}));
        window->SuraSelected(0);
        window->AddAll();
        const QStringList sorted{"001.001", "001.002", "001.003", "001.004", "001.005",
                                 "001.006", "001.007", "002.255", "010.001"};
        QCOMPARE(KeysShown(burnBox()), sorted);
        QCOMPARE(keys(window->BurnList()), sorted);
        QCOMPARE(burnBox()->item(7)->text(), QString("002.255 x 1 - pause: 0 secs b/w reps (GRP: 1 x 2)"));

        // So does adding a single aya.
        dialogs->fileAnswers << path;
        window->LoadPlaylist();
        Add(0, 0);
        QCOMPARE(keys(window->BurnList()), (QStringList{"001.001", "001.002", "002.255", "010.001"}));
    }

    void badLinesAreReportedOnce() {
        const QString path = dir.filePath("bad.qap");
        testenv::writeFile(path, "001,001,1,0\n../../x,001,1,0\n001,002,1,0,4\n\n001,003,1,0\n");
        dialogs->fileAnswers << path;
        window->LoadPlaylist();
        QCOMPARE(keys(window->BurnList()), (QStringList{"001.001", "001.003"}));
        QCOMPARE(dialogs->boxes.size(), 1);
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane"));
        QVERIFY2(dialogs->boxes[0].text.contains("2 line(s)") && dialogs->boxes[0].text.contains("2, 3."),
                 qPrintable(dialogs->boxes[0].text));
    }

    void unreadablePlaylistKeepsTheList() {
        Add(0, 0);
        Add(0, 1);
        const QString folder = dir.filePath("folder.qap");
        QDir().mkpath(folder);
        dialogs->fileAnswers << folder;
        window->LoadPlaylist();
        QCOMPARE(keys(window->BurnList()), (QStringList{"001.001", "001.002"}));
        QCOMPARE(burnBox()->count(), 2);
        QCOMPARE(dialogs->boxes.size(), 1);
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane"));
        QVERIFY(dialogs->boxes[0].text.contains("could not be read"));
        QVERIFY(status() != "Finished Loading Playlist");

        // A cancelled dialog and a vanished file change nothing, silently.
        dialogs->fileAnswers << QString() << dir.filePath("gone.qap");
        window->LoadPlaylist();
        window->LoadPlaylist();
        QCOMPARE(window->BurnList().size(), size_t(2));
        QCOMPARE(dialogs->boxes.size(), 1);
    }

    void failedSaveIsNotReportedAsFinished() {
        Add(0, 0);
        dialogs->fileAnswers << dir.filePath("missing/plan");
        window->SavePlaylist();
        QVERIFY(status() != "Finished Saving Playlist");
        QCOMPARE(dialogs->boxes.size(), 1);
        QCOMPARE(dialogs->boxes[0].title, QString("Norvane"));
        QVERIFY(dialogs->boxes[0].text.contains("could not be saved"));
        QVERIFY(!QFile::exists(dir.filePath("missing/plan.qap")));
    }
};

QTEST_MAIN(BurnListWindowTest)
#include "gui_burnlist.moc"
