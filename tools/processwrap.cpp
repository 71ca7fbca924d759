#include "tools/processwrap.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

// Moves every complete line of one channel into `out`. A line ends in LF,
// CR LF, or a lone CR (cdrdao ends its progress lines in CR alone). A CR is
// taken as a line end at once, so a progress line is not held back; an LF
// that follows it, perhaps only in the next chunk, completes that CR LF.
void TakeLines(ProcessWrap::ChannelBuffer& channel, QStringList& out, bool atEnd) {
    QByteArray& bytes = channel.pending;
    qsizetype start = 0;
    if (channel.afterCr && !bytes.isEmpty() && bytes.at(0) == '\n') start = 1;
    channel.afterCr = false;
    for (qsizetype i = start; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && c != '\r') continue;
        out << QString::fromLocal8Bit(bytes.constData() + start, i - start);
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            else if (i + 1 == bytes.size())
                channel.afterCr = true;
        }
        start = i + 1;
    }
    bytes.remove(0, start);
    if (atEnd && !bytes.isEmpty()) {
        out << QString::fromLocal8Bit(bytes);
        bytes.clear();
    }
}

}  // namespace

ProcessWrap::ProcessWrap(QObject* parent) : QObject(parent), process(new QProcess) {
#ifdef Q_OS_LINUX
    // A tool dies with this program, even when it is killed without a chance
    // to stop its children.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    // No tool gets to wait for keyboard input that can never come: reading
    // its standard input gives end of file at once.
    process->setStandardInputFile(QProcess::nullDevice());
    // Arguments are UTF-8 (an Arabic tag text): the tools read them so
    // whatever the user's locale, which may be plain C.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.insert("LC_CTYPE", "C.UTF-8");
    process->setProcessEnvironment(environment);
    connect(process, &QProcess::readyReadStandardOutput, this, &ProcessWrap::ReadFromStdout);
    connect(process, &QProcess::readyReadStandardError, this, &ProcessWrap::ReadFromStderr);
    connect(process, &QProcess::finished, this, &ProcessWrap::ProgramEnded);
    connect(process, &QProcess::errorOccurred, this, &ProcessWrap::ProgramError);
    stallTimer = new QTimer(this);
    stallTimer->setInterval(1000);
    connect(stallTimer, &QTimer::timeout, this, &ProcessWrap::CheckForStall);
}

ProcessWrap::~ProcessWrap() {
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(5000);
    }
    delete process;
}

QString ProcessWrap::FailureText() const {
    const QString tool = QFileInfo(program).fileName();
    switch (outcome) {
    case Outcome::NotRun:
    case Outcome::FailedToStart:
        return NotStartedText(program);
    case Outcome::Crashed:
    case Outcome::Killed:
        return tr("%1 did not finish").arg(tool);
    case Outcome::Stalled:
        return tr("%1 stopped responding").arg(tool);
    case Outcome::Finished:
        break;
    }
    if (exitCode == 0) return QString();
    const QString status = QString::number(exitCode);
    if (lines.isEmpty()) return tr("%1 ended with status %2").arg(tool, status);
    //: %3 is the program's last output line.
    return tr("%1 ended with status %2 (%3)").arg(tool, status, lines.last().trimmed());
}

QString ProcessWrap::NotStartedText(const QString& program) {
    return tr("%1 could not be started").arg(QFileInfo(program).fileName());
}

void ProcessWrap::ReadFromStdout() {
    stdoutBuffer.pending += process->readAllStandardOutput();
    TakeLines(stdoutBuffer, queuedLines, false);
    HandleQueuedLines();
}

void ProcessWrap::ReadFromStderr() {
    stderrBuffer.pending += process->readAllStandardError();
    TakeLines(stderrBuffer, queuedLines, false);
    HandleQueuedLines();
}

// Lines go through one queue in the order they were read. A LineRead slot
// may open a modal box, and output that arrives meanwhile is only queued
// here; the outer call carries on with it once the slot returns, so lines
// keep their order and each is handed over exactly once.
void ProcessWrap::HandleQueuedLines() {
    if (handlingLines) return;
    handlingLines = true;
    while (!queuedLines.isEmpty()) {
        const QString line = queuedLines.takeFirst();
        lines.append(line);
        emit LineRead(line);
        quietSince = runClock.elapsed();
    }
    handlingLines = false;
    if (endPending) EndRun();
}

void ProcessWrap::RunCommand(const QStringList& args) {
    if (active) {
        qWarning("ProcessWrap: a program is already running; %s not started", qPrintable(args.value(0)));
        return;
    }
    lines.clear();
    queuedLines.clear();
    stdoutBuffer = ChannelBuffer();
    stderrBuffer = ChannelBuffer();
    killed = stalled = false;
    endPending = false;
    active = true;
    runClock.start();
    quietSince = 0;
    lastWatchedBytes = WatchedBytes();
    if (stallLimitSeconds > 0) stallTimer->start();
    program = args.value(0);
    SetOutcome(Outcome::NotRun, 0);

    if (program.isEmpty()) {
        ProgramError(QProcess::FailedToStart);
        return;
    }
    process->setProgram(program);
    process->setArguments(args.mid(1));
    process->start();
}

void ProcessWrap::ProgramError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || !active || endPending) return;
    SetOutcome(Outcome::FailedToStart, -1);
    emit CannotRun(program);
    // The caller may still be inside RunCommand: it hears of the end only
    // after it has returned.
    endPending = true;
    QMetaObject::invokeMethod(this, &ProcessWrap::HandleQueuedLines, Qt::QueuedConnection);
}

void ProcessWrap::ProgramEnded(int code, QProcess::ExitStatus status) {
    if (status == QProcess::NormalExit)
        SetOutcome(Outcome::Finished, code);
    else
        SetOutcome(stalled ? Outcome::Stalled : killed ? Outcome::Killed : Outcome::Crashed, -1);

    // Whatever is still in the pipes belongs to this run, and so does a last
    // line that lacks its line end.
    stdoutBuffer.pending += process->readAllStandardOutput();
    TakeLines(stdoutBuffer, queuedLines, true);
    stderrBuffer.pending += process->readAllStandardError();
    TakeLines(stderrBuffer, queuedLines, true);

    // If a marker's slot is still open further up the stack, the run ends
    // when that slot has returned and the queue is empty.
    endPending = true;
    HandleQueuedLines();
}

void ProcessWrap::EndRun() {
    if (!active) return;
    endPending = false;
    active = false;
    stallTimer->stop();
    watchedOutput.clear();
    emit ProcessDone(lines);
}

void ProcessWrap::WaitForDone() {
    while (active) {
        if (process->state() != QProcess::NotRunning) {
            // Awake every second, so that the stall limit holds here too.
            if (!process->waitForFinished(1000) && stallLimitSeconds > 0) CheckForStall();
            continue;
        }
        // A start that failed ends through a queued call; deliver it.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        if (active) return;  // nothing is left that could end the run
    }
}

// Output counts as a sign of life whether it comes as lines or as bytes
// in the file the program writes.
void ProcessWrap::CheckForStall() {
    const qint64 bytes = WatchedBytes();
    if (bytes != lastWatchedBytes) {
        lastWatchedBytes = bytes;
        quietSince = runClock.elapsed();
    }
    if (runClock.elapsed() - quietSince < qint64(stallLimitSeconds) * 1000 || killed) return;
    stalled = true;
    KillIt();
}

qint64 ProcessWrap::WatchedBytes() const {
    if (watchedOutput.isEmpty()) return 0;
    const QFileInfo output(watchedOutput);
    qint64 bytes = 0;
    for (const QFileInfo& file : output.dir().entryInfoList({output.fileName() + "*"}, QDir::Files)) bytes += file.size();
    return bytes;
}

bool ProcessWrap::IsRunning() const { return active; }

QStringList ProcessWrap::GetText() const { return lines; }

void ProcessWrap::KillIt() {
    if (process->state() == QProcess::NotRunning) return;
    killed = true;
    process->kill();
}
