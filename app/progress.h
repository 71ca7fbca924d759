#pragma once
// The modal dialog that shows a long job: a status line, a progress bar, a
// log with the newest line on top, and one button: Cancel while the job
// runs (it asks the job's owner to stop it), Close once the job says it is
// over. The bar either cycles by itself (auto mode,
// driven by a 100 ms timer) or shows the value the job sets (measured mode).

#include <QDialog>
#include <QStringList>
#include <memory>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

class Progress : public QDialog {
    Q_OBJECT
public:
    // A title bar and a normal border, but no system menu and no close box.
    static Qt::WindowFlags DefaultFlags() {
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    }

    explicit Progress(QWidget* parent = nullptr, const char* name = nullptr, bool modal = true,
                      Qt::WindowFlags flags = DefaultFlags());
    ~Progress() override;

    // For tests and callers that need to look.
    int BarValue() const;
    int BarMaximum() const;
    QString Message() const;
    QStringList LogTexts() const;   // top first
    int SelectedLogRow() const;     // -1 when nothing is selected
    bool CloseEnabled() const;      // the button says Close and can be pressed
    bool CancelOffered() const;     // the button says Cancel and can be pressed
    bool AutoRunning() const;

public slots:
    // Centres the dialog over its parent at a third of its size, turns the
    // button into Cancel, empties the log, starts the auto timer and shows
    // the dialog modally without waiting for it.
    void show();
    void IncProgress();
    void hide();
    bool close();
    void SendMsg(QString text);
    void AddLog(QString text);
    // The job is over: the button becomes Close.
    void EnableClose();
    // The owner is stopping the job: the button waits, greyed, for its end.
    void Cancelling();
    void SetProgress(int progress, int totalSteps);
    void DisableAuto();
    void DisableAuto(bool off);

signals:
    // Cancel was pressed while the job runs.
    void CancelRequested();

protected:
    // While a job runs neither Escape nor the window manager may dismiss the
    // dialog: the job still reports into it.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StopAuto();
    void StartAuto();
    void ButtonPressed();

    QWidget* parentWindow = nullptr;
    QLabel* messageLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    QListWidget* logList = nullptr;
    QPushButton* closeButton = nullptr;
    std::unique_ptr<QTimer> autoTimer;
    int autoStep = 0;
    bool closingByProgram = false;  // inside close(): not a request from outside
    bool jobRunning = false;
};
