#include "app/progress.h"

#include "app/packedimage.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kAutoIntervalMs = 100;
constexpr int kAutoSteps = 10;
}  // namespace

Progress::Progress(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags), parentWindow(parent), autoTimer(std::make_unique<QTimer>()) {
    if (name) setObjectName(QString::fromLatin1(name));
    setModal(modal);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->setContentsMargins(2, 2, 2, 2);

    setWindowIcon(LoadPackedIcon("cd_burn.png"));
    setWindowTitle("Norvane");

    messageLabel = new QLabel(this);
    progressBar = new QProgressBar(this);
    progressBar->setTextVisible(false);
    logList = new QListWidget(this);
    logList->setWordWrap(true);
    closeButton = new QPushButton(LoadPackedIcon("close.png"), tr("Close"), this);
    layout->addWidget(messageLabel);
    layout->addWidget(progressBar);
    layout->addWidget(logList);
    layout->addWidget(closeButton);

    connect(closeButton, &QPushButton::clicked, this, &Progress::ButtonPressed);

    autoTimer->setInterval(kAutoIntervalMs);
    connect(autoTimer.get(), &QTimer::timeout, this, &Progress::IncProgress);
    autoTimer->start();
}

Progress::~Progress() = default;

void Progress::show() {
    if (parentWindow) {
        const QRect outer = parentWindow->geometry();
        const int width = outer.right() - outer.left() + 1;
        const int height = outer.bottom() - outer.top() + 1;
        // Wide enough to read a log line whole; longer lines wrap.
        const int w = qMax(width * 2 / 3, 560);
        const int h = qMax(height / 2, 320);
        setGeometry(outer.left() + width / 2 - w / 2, outer.top() + height / 2 - h / 2, w, h);
    }
    jobRunning = true;
    closeButton->setText(tr("Cancel"));
    closeButton->setEnabled(true);
    logList->clear();
    autoTimer->start(kAutoIntervalMs);  // autoStep keeps its value
    setModal(true);
    QDialog::show();
}

void Progress::IncProgress() {
    if (++autoStep > kAutoSteps) autoStep = 0;
    SetProgress(autoStep, kAutoSteps);
}

void Progress::hide() {
    StopAuto();
    QDialog::hide();
}

bool Progress::close() {
    StopAuto();
    closingByProgram = true;
    const bool closed = QDialog::close();
    closingByProgram = false;
    return closed;
}

void Progress::SendMsg(QString text) { messageLabel->setText(text); }

void Progress::AddLog(QString text) {
    logList->insertItem(0, text);
    logList->setCurrentRow(0);
}

void Progress::EnableClose() {
    jobRunning = false;
    closeButton->setText(tr("Close"));
    closeButton->setEnabled(true);
}

void Progress::Cancelling() {
    if (!jobRunning) return;
    closeButton->setEnabled(false);
    SendMsg(tr("Cancelling ..."));
}

void Progress::ButtonPressed() {
    if (jobRunning)
        emit CancelRequested();
    else
        close();
}

void Progress::SetProgress(int progress, int totalSteps) {
    progressBar->setMaximum(totalSteps);
    progressBar->setValue(progress);
}

void Progress::DisableAuto() { DisableAuto(true); }

void Progress::DisableAuto(bool off) {
    if (off) {
        StopAuto();
    } else {
        autoStep = 0;
        autoTimer->start(kAutoIntervalMs);
    }
}

void Progress::StopAuto() {
    autoTimer->stop();
    autoStep = 0;
}

void Progress::reject() {
    if (jobRunning) return;
    StopAuto();
    QDialog::reject();
}

void Progress::closeEvent(QCloseEvent* event) {
    // A close request from outside (the window manager) is refused while
    // busy; the program itself may always close the dialog. An accepted
    // close event makes QWidget::close hide the dialog.
    if (!closingByProgram && jobRunning) {
        event->ignore();
        return;
    }
    StopAuto();
    event->accept();
}

int Progress::BarValue() const { return progressBar->value(); }
int Progress::BarMaximum() const { return progressBar->maximum(); }
QString Progress::Message() const { return messageLabel->text(); }

QStringList Progress::LogTexts() const {
    QStringList texts;
    for (int i = 0; i < logList->count(); ++i) texts << logList->item(i)->text();
    return texts;
}

int Progress::SelectedLogRow() const {
    const QList<QListWidgetItem*> selected = logList->selectedItems();
    return selected.size() == 1 ? logList->row(selected.first()) : -1;
}

bool Progress::CloseEnabled() const { return !jobRunning && closeButton->isEnabled(); }
bool Progress::CancelOffered() const { return jobRunning && closeButton->isEnabled(); }
bool Progress::AutoRunning() const { return autoTimer->isActive(); }
