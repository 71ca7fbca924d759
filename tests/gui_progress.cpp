// The progress dialog on the offscreen platform: placement, the auto-mode
// bar, the Close button and the log.

#include "app/progress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>
#include <QSignalSpy>
#include <QtTest>

class GuiProgress : public QObject {
    Q_OBJECT

    QWidget parent;
    std::unique_ptr<Progress> dialog;

private slots:
    void init() {
        parent.setGeometry(100, 50, 660, 580);
        dialog = std::make_unique<Progress>(&parent, "", true, Progress::DefaultFlags());
    }
    void cleanup() { dialog.reset(); }

    void centresOverParentAtAThird() {
        QVERIFY(dialog->isModal());
        dialog->show();
        QCOMPARE(dialog->geometry(), QRect(320, 244, 220, 193));
        QVERIFY(dialog->isVisible());
    }

    void autoModeCyclesThroughElevenSteps() {
        QList<int> values;
        for (int i = 0; i < 11; ++i) {
            dialog->IncProgress();
            values << dialog->BarValue();
            QCOMPARE(dialog->BarMaximum(), 10);
        }
        QCOMPARE(values, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}));
    }

    void disableAutoFreezesAndRestarts() {
        dialog->show();
        dialog->IncProgress();
        dialog->IncProgress();
        dialog->IncProgress();
        dialog->DisableAuto();
        QVERIFY(!dialog->AutoRunning());
        QCOMPARE(dialog->BarValue(), 3);  // frozen where it stood
        QTest::qWait(250);                // no tick moves it
        QCOMPARE(dialog->BarValue(), 3);

        dialog->SetProgress(2, 5);
        QCOMPARE(dialog->BarValue(), 2);
        QCOMPARE(dialog->BarMaximum(), 5);

        dialog->DisableAuto(false);
        QVERIFY(dialog->AutoRunning());
        dialog->IncProgress();
        QCOMPARE(dialog->BarValue(), 1);
        QCOMPARE(dialog->BarMaximum(), 10);

        // The timer really drives the bar.
        QTRY_VERIFY(dialog->AutoStep() >= 3);
    }

    void showDisablesCloseAndEmptiesLog() {
        dialog->SendMsg("Erasing CD-RW ...");
        dialog->show();
        dialog->AddLog("old job");
        dialog->EnableClose();
        QVERIFY(dialog->CloseEnabled());
        dialog->hide();
        QVERIFY(!dialog->AutoRunning());

        dialog->show();
        QVERIFY(!dialog->CloseEnabled());
        QVERIFY(dialog->LogTexts().isEmpty());
        // The newest line stands on top, selected.
        dialog->AddLog("A");
        dialog->AddLog("B");
        QCOMPARE(dialog->LogTexts(), QStringList({"B", "A"}));
        QCOMPARE(dialog->SelectedLogRow(), 0);
        QCOMPARE(dialog->Message(), QString("Erasing CD-RW ..."));  // the status line stays
        QVERIFY(dialog->AutoRunning());
    }

    void busyDialogCannotBeDismissed() {
        dialog->show();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());

        // Close requests that do not come through the dialog's own close():
        // the platform window's, and a bare close event.
        QVERIFY(dialog->windowHandle());
        QVERIFY(!dialog->windowHandle()->close());
        QVERIFY(dialog->isVisible());
        QCloseEvent request;
        QCoreApplication::sendEvent(dialog.get(), &request);
        QVERIFY(!request.isAccepted());
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->AutoRunning());

        // The program itself may still close it.
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
    }

    void doneDialogClosesAndStopsTimer() {
        dialog->show();
        dialog->IncProgress();
        dialog->EnableClose();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->AutoRunning());
        QCOMPARE(dialog->AutoStep(), 0);

        dialog->show();
        dialog->EnableClose();
        auto* close = dialog->findChild<QPushButton*>();
        QVERIFY(close);
        QCOMPARE(close->text(), QString("Close"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->AutoRunning());
    }
};

QTEST_MAIN(GuiProgress)
#include "gui_progress.moc"
