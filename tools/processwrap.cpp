#include "tools/processwrap.h"

#include <QEventLoop>

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

ProcessWrap::ProcessWrap() : process(new QProcess) {
    // No tool gets to wait for keyboard input that can never come: reading
    // its standard input gives end of file at once.
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, &QProcess::readyReadStandardOutput, this, &ProcessWrap::ReadFromStdout);
    connect(process, &QProcess::readyReadStandardError, this, &ProcessWrap::ReadFromStderr);
    connect(process, &QProcess::finished, this, &ProcessWrap::ProgramEnded);
    connect(process, &QProcess::errorOccurred, this, &ProcessWrap::ProgramError);
}

ProcessWrap::~ProcessWrap() {
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(5000);
    }
    delete process;
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

// Lines go through one queue in the order they were read. A slot connected
// to a marker may open a modal box, and output that arrives meanwhile is
// only queued here; the outer call carries on with it once the slot
// returns, so lines keep their order and each marker fires exactly once.
void ProcessWrap::HandleQueuedLines() {
    if (handlingLines) return;
    handlingLines = true;
    while (!queuedLines.isEmpty()) {
        const QString line = queuedLines.takeFirst();
        if (line.contains(QLatin1String("writing track"), Qt::CaseInsensitive)) emit ProcessMsg();
        if (line.contains(QLatin1String("to be written"), Qt::CaseInsensitive)) emit ErrorWritten();
        lines.append(line);
    }
    handlingLines = false;
    if (endPending) EndRun();
}

void ProcessWrap::RunCommand(const QStringList& args) {
    if (waiting) {
        qWarning("ProcessWrap: a program is already running; %s not started",
                 qPrintable(args.value(0)));
        return;
    }
    lines.clear();
    queuedLines.clear();
    stdoutBuffer = ChannelBuffer();
    stderrBuffer = ChannelBuffer();
    killed = false;
    endPending = false;
    runEnded = false;
    SetOutcome(Outcome::NotRun, 0);

    if (args.isEmpty() || args.first().isEmpty()) {
        ReportCannotRun(args.value(0));
        return;
    }
    process->setProgram(args.first());
    process->setArguments(args.mid(1));
    waiting = true;
    process->start();

    // Sleep until the program has ended, still serving timers, repaints and
    // queued calls; clicks and key presses wait until the run is over.
    if (!runEnded) {
        QEventLoop loop;
        waitLoop = &loop;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        waitLoop = nullptr;
    }
    // Quitting the application ends every event loop, this one included.
    // The promise stands that the program has ended when RunCommand returns.
    if (!runEnded) {
        KillIt();
        process->waitForFinished(5000);
    }
    waiting = false;
}

void ProcessWrap::ProgramError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || !waiting || runEnded) return;
    ReportCannotRun(process->program());
    StopWaiting();
}

void ProcessWrap::ReportCannotRun(const QString& program) {
    SetOutcome(Outcome::FailedToStart, -1);
    emit CannotRun(program);
}

void ProcessWrap::ProgramEnded(int code, QProcess::ExitStatus status) {
    if (status == QProcess::NormalExit)
        SetOutcome(Outcome::Finished, code);
    else
        SetOutcome(killed ? Outcome::Killed : Outcome::Crashed, -1);

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
    endPending = false;
    FinishedRunning();
    StopWaiting();
}

void ProcessWrap::StopWaiting() {
    runEnded = true;
    if (waitLoop) waitLoop->quit();
}

void ProcessWrap::FinishedRunning() { emit ProcessDone(lines); }

bool ProcessWrap::IsRunning() { return process->state() != QProcess::NotRunning; }

QStringList ProcessWrap::GetText() { return lines; }

void ProcessWrap::KillIt() {
    if (process->state() == QProcess::NotRunning) return;
    killed = true;
    process->kill();
}
