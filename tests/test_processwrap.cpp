// The process runner against the fake tool: line splitting, marker signals
// and their order, how runs end, and slots that run nested inside the wait.

#include "support/testenv.h"
#include "tools/processwrap.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QString fakeTool() { return testenv::fakesDir() + "/faketool"; }

QStringList fakeCommand(const QStringList& actions) { return QStringList{fakeTool()} + actions; }

// Keeps a modal box's own event loop open for `ms`, as a user reading it would.
void holdNestedLoop(int ms) {
    QEventLoop box;
    QTimer::singleShot(ms, &box, &QEventLoop::quit);
    box.exec();
}

}  // namespace

class TestProcessWrap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(fakeTool()), qPrintable(fakeTool())); }

    void markersFireBeforeTheLineIsAppended() {
        ProcessWrap runner;
        QStringList seen;
        connect(&runner, &ProcessWrap::ProcessMsg, this,
                [&] { seen << "msg:" + runner.GetText().join('|'); });
        connect(&runner, &ProcessWrap::ErrorWritten, this,
                [&] { seen << "err:" + runner.GetText().join('|'); });
        runner.RunCommand(fakeCommand({"out:first", "sleep:50", "err:Disk has to be written first, writing track 01",
                                       "sleep:50", "out:last"}));

        // The error phrase stands first in the line, yet ProcessMsg comes first.
        QCOMPARE(seen, QStringList({"msg:first", "err:first"}));
        QCOMPARE(runner.GetText(),
                 QStringList({"first", "Disk has to be written first, writing track 01", "last"}));
    }

    void markerMatching_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("processMsgs");
        QTest::addColumn<int>("errorsWritten");
        QTest::newRow("capitals") << "WRITING TRACK 01 (mode AUDIO/AUDIO )..." << 1 << 0;
        QTest::newRow("mixed case") << "Writing track 02 (mode AUDIO/AUDIO )..." << 1 << 0;
        QTest::newRow("no blank") << "writingtrack 03" << 0 << 0;
        QTest::newRow("error capitals") << "MEDIUM HAS TO BE WRITTEN" << 0 << 1;
        QTest::newRow("error split") << "to bewritten" << 0 << 0;
        QTest::newRow("plain") << "Starting write at speed 16..." << 0 << 0;
    }

    void markerMatching() {
        QFETCH(QString, line);
        QFETCH(int, processMsgs);
        QFETCH(int, errorsWritten);
        ProcessWrap runner;
        QSignalSpy msgs(&runner, &ProcessWrap::ProcessMsg);
        QSignalSpy errors(&runner, &ProcessWrap::ErrorWritten);
        runner.RunCommand(fakeCommand({"err:" + line}));
        QCOMPARE(msgs.count(), processMsgs);
        QCOMPARE(errors.count(), errorsWritten);
        QCOMPARE(runner.GetText(), QStringList{line});
    }

    void channelsKeepArrivalOrder() {
        ProcessWrap runner;
        QSignalSpy done(&runner, &ProcessWrap::ProcessDone);
        runner.RunCommand(fakeCommand({"out:one", "sleep:80", "err:two", "sleep:80", "out:three",
                                       "sleep:80", "err:four"}));
        const QStringList expected{"one", "two", "three", "four"};
        QCOMPARE(runner.GetText(), expected);
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toStringList(), expected);
    }

    void splitsEveryLineEnd() {
        ProcessWrap runner;
        runner.RunCommand(fakeCommand({"cr:Wrote 1 of 2 MB (Buffer 100%).", "cr:Wrote 2 of 2 MB (Buffer 99%).",
                                       "sleep:50", "crlf:windows line", "out:", "sleep:50", "rawout:half ", "sleep:50",
                                       "rawout:joined", "sleep:50", "rawerr:no line end at exit"}));
        QCOMPARE(runner.GetText(),
                 QStringList({"Wrote 1 of 2 MB (Buffer 100%).", "Wrote 2 of 2 MB (Buffer 99%).",
                              "windows line", "", "half joined", "no line end at exit"}));

        // A CR LF torn apart between two reads is still one line end.
        runner.RunCommand(fakeCommand({"rawerr:torn\r", "sleep:80", "rawerr:\nnext\n"}));
        QCOMPARE(runner.GetText(), QStringList({"torn", "next"}));
    }

    void missingProgramCannotRun() {
        ProcessWrap runner;
        QSignalSpy cannotRun(&runner, &ProcessWrap::CannotRun);
        runner.RunCommand(fakeCommand({"out:old"}));
        QSignalSpy done(&runner, &ProcessWrap::ProcessDone);
        runner.RunCommand({"norvane-no-such-tool", "--flag"});
        QCOMPARE(cannotRun.count(), 1);
        QCOMPARE(cannotRun.at(0).at(0).toString(), QString("norvane-no-such-tool"));
        QCOMPARE(done.count(), 0);
        QVERIFY(runner.GetText().isEmpty());
        QVERIFY(!runner.IsRunning());
        QCOMPARE(runner.LastOutcome(), ProcessWrap::Outcome::FailedToStart);
        QVERIFY(!runner.LastRunSucceeded());

        // An empty command line is no program either.
        runner.RunCommand({});
        QCOMPARE(cannotRun.count(), 2);
        QCOMPARE(runner.LastOutcome(), ProcessWrap::Outcome::FailedToStart);

        // The runner is not stuck afterwards, and each run starts a fresh list.
        runner.RunCommand(fakeCommand({"out:fine"}));
        QCOMPARE(runner.GetText(), QStringList{"fine"});
        QVERIFY(runner.LastRunSucceeded());
    }

    void reportsHowTheProgramEnded_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<ProcessWrap::Outcome>("outcome");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("success") << QStringList{"out:x"} << ProcessWrap::Outcome::Finished << 0;
        QTest::newRow("error status") << QStringList{"err:ERROR: x", "exit:3"} << ProcessWrap::Outcome::Finished << 3;
        QTest::newRow("crash") << QStringList{"out:x", "crash"} << ProcessWrap::Outcome::Crashed << -1;
    }

    void reportsHowTheProgramEnded() {
        QFETCH(QStringList, actions);
        QFETCH(ProcessWrap::Outcome, outcome);
        QFETCH(int, exitCode);
        ProcessWrap runner;
        runner.RunCommand(fakeCommand(actions));
        QCOMPARE(runner.LastOutcome(), outcome);
        QCOMPARE(runner.LastExitCode(), exitCode);
        QCOMPARE(runner.LastRunSucceeded(), outcome == ProcessWrap::Outcome::Finished && exitCode == 0);
        QVERIFY(!runner.IsRunning());
    }

    // The burn's error path: a modal box opens from the marker's slot while the
    // tool keeps running, and the tool is killed when the box closes.
    void killFromMarkerSlotEndsHangingTool() {
        ProcessWrap runner;
        QSignalSpy done(&runner, &ProcessWrap::ProcessDone);
        int errorsSeen = 0;
        connect(&runner, &ProcessWrap::ErrorWritten, this, [&] {
            ++errorsSeen;
            holdNestedLoop(150);
            runner.KillIt();
        });
        runner.RunCommand(fakeCommand({"err:Medium has to be written", "sleep:30", "out:still going", "hang"}));
        QCOMPARE(errorsSeen, 1);
        QCOMPARE(runner.LastOutcome(), ProcessWrap::Outcome::Killed);
        QVERIFY(!runner.IsRunning());
        QCOMPARE(runner.GetText(), QStringList({"Medium has to be written", "still going"}));
        QCOMPARE(done.count(), 1);
    }

    // The program ends while a marker's slot still holds its box open: the run
    // must finish only after that slot returns, with every line in order and
    // the markers of later lines fired exactly once.
    void programEndingWhileSlotIsOpen() {
        ProcessWrap runner;
        QStringList events;
        connect(&runner, &ProcessWrap::ErrorWritten, this, [&] {
            events << "error-box-open";
            holdNestedLoop(400);
            events << "error-box-closed";
            runner.KillIt();  // too late: the tool has already ended
        });
        connect(&runner, &ProcessWrap::ProcessMsg, this,
                [&] { events << "track:" + QString::number(runner.GetText().size()); });
        connect(&runner, &ProcessWrap::ProcessDone, this,
                [&](const QStringList& lines) { events << "done:" + QString::number(lines.size()); });

        runner.RunCommand(fakeCommand({"err:Medium has to be written", "sleep:30", "err:Writing track 02",
                                       "rawout:tail", "exit:1"}));
        QCOMPARE(events, QStringList({"error-box-open", "error-box-closed", "track:1", "done:3"}));
        QCOMPARE(runner.GetText(), QStringList({"Medium has to be written", "Writing track 02", "tail"}));
        QCOMPARE(runner.LastOutcome(), ProcessWrap::Outcome::Finished);
        QCOMPARE(runner.LastExitCode(), 1);
    }

    // exit() ends every event loop, the runner's wait included; the program
    // must not outlive RunCommand.
    void quittingTheApplicationEndsTheRun() {
        ProcessWrap runner;
        QTimer::singleShot(100, this, [] { QCoreApplication::exit(0); });
        runner.RunCommand(fakeCommand({"out:started", "hang"}));
        QVERIFY(!runner.IsRunning());
        QCOMPARE(runner.LastOutcome(), ProcessWrap::Outcome::Killed);
        QCOMPARE(runner.GetText(), QStringList{"started"});

        // Without a running main loop the quit request would stay pending; a
        // short main loop clears it, as the real program's ending one does.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
        runner.RunCommand(fakeCommand({"out:again"}));
        QCOMPARE(runner.GetText(), QStringList{"again"});
    }

    void standardInputIsClosed() {
        ProcessWrap runner;
        runner.RunCommand(fakeCommand({"readstdin"}));
        QCOMPARE(runner.GetText(), QStringList{"stdin:EOF 0"});
        QVERIFY(runner.LastRunSucceeded());
    }

    void timersRunDuringTheWait() {
        ProcessWrap runner;
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start(20);
        int queuedCalls = 0;
        QMetaObject::invokeMethod(this, [&] { ++queuedCalls; }, Qt::QueuedConnection);
        runner.RunCommand(fakeCommand({"sleep:300"}));
        timer.stop();
        QVERIFY2(ticks >= 2, qPrintable(QString::number(ticks)));
        QCOMPARE(queuedCalls, 1);
    }
};

QTEST_GUILESS_MAIN(TestProcessWrap)
#include "test_processwrap.moc"
