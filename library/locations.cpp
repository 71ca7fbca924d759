#include "library/locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

// Installed files, relative to the folder of the programs; the build sets
// them from its install layout.
#ifndef NORVANE_REL_LIBEXEC
#define NORVANE_REL_LIBEXEC "../libexec/norvane"
#endif
#ifndef NORVANE_REL_DATA
#define NORVANE_REL_DATA "../share/norvane"
#endif
#ifndef NORVANE_REL_DOC
#define NORVANE_REL_DOC "../share/doc/norvane"
#endif

namespace {

const char kSettingsName[] = "norvane.ini";
const char kGuideName[] = "norvane-guide.html";

QString Sep() { return QString(QDir::separator()); }
QString Pid() { return QString::number(QCoreApplication::applicationPid()); }

QString InFolder(const QString& folder, const QString& name) { return folder + Sep() + name; }

// Whether a process of this id still runs (taken as yes where that cannot
// be told), so that only the folders of ended jobs are swept away.
bool ProcessAlive(qint64 pid) {
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true;
#endif
}

// Where an installed program's jobs work: TMPDIR as it stands (never made
// absolute against the working directory, nor silently replaced), else /tmp.
QString TemporaryRoot() {
#ifdef Q_OS_UNIX
    const QString named = qEnvironmentVariable("TMPDIR");
    return named.isEmpty() ? QString("/tmp") : named;
#else
    return QDir::tempPath();
#endif
}

QString ProgramFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

}  // namespace

Locations Locations::Portable(const QString& root) {
    Locations l;
    l.mode = Mode::Portable;
    l.root = root;
    l.packFolders = {InFolder(root, "quran") + Sep()};
    l.settingsFile = root == "." ? kSettingsName : InFolder(root, kSettingsName);
    l.workRoot = InFolder(root, "temp");
    l.jobFolder = InFolder(l.workRoot, "job-" + Pid()) + Sep();
    return l;
}

Locations Locations::Installed(const QString& programFolder) {
    Locations l;
    l.mode = Mode::Installed;
    l.programFolder = programFolder;
    l.settingsFile =
        InFolder(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), kSettingsName);
    // The user's folder first, then the install's own data beside the
    // program, then every system data folder; each folder once.
    QStringList folders{QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/quran",
                        QDir(programFolder).filePath(NORVANE_REL_DATA "/quran")};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + "/norvane/quran";
    for (const QString& folder : folders) {
        const QString clean = QDir::toNativeSeparators(QDir::cleanPath(folder)) + Sep();
        if (!l.packFolders.contains(clean)) l.packFolders << clean;
    }
    l.workRoot = TemporaryRoot();
    return l;
}

bool Locations::IsPortableFolder(const QString& folder) {
    const QDir dir(folder);
    return QFileInfo(dir.filePath("quran")).isDir() || QFileInfo::exists(dir.filePath(kSettingsName));
}

void Locations::ChooseForProgram(bool enterFolder) {
    QCoreApplication::setApplicationName("norvane");
    const QString folder = ProgramFolder();
    if (!IsPortableFolder(folder))
        Use(Installed(folder));
    else if (!enterFolder)
        Use(Portable(folder));
    else if (QDir::setCurrent(folder))
        Use(Portable());
}

Locations& Locations::Current() {
    static Locations current = Portable();
    return current;
}

void Locations::Use(const Locations& locations) { Current() = locations; }

// An installed file: relative to the program first, else in the XDG data
// folders; where it would be beside the program when it is nowhere.
QString Locations::InstalledFile(const QString& relativeFolder, const QString& dataPath) const {
    const QString beside = QDir::cleanPath(QDir(programFolder).filePath(relativeFolder));
    const QString system = QStandardPaths::locate(QStandardPaths::GenericDataLocation, dataPath);
    return system.isEmpty() || QFileInfo::exists(beside) ? beside : system;
}

QString Locations::DataFile(const QString& name) const {
    if (mode == Mode::Portable) return root == "." ? name : InFolder(root, name);
    return InstalledFile(NORVANE_REL_DATA "/" + name, "norvane/" + name);
}

QString Locations::GuideFile() const {
    if (mode == Mode::Portable) return QDir(root).absoluteFilePath(kGuideName);
    return InstalledFile(NORVANE_REL_DOC "/" + QString(kGuideName), "doc/norvane/" + QString(kGuideName));
}

QString Locations::HelperProgram(const QString& name) {
#ifdef Q_OS_WIN
    const QString file = name + ".exe";
#else
    const QString file = name;
#endif
    if (!QCoreApplication::instance()) return name;
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString& path : {programs.filePath(file), programs.filePath(NORVANE_REL_LIBEXEC "/" + file)}) {
        const QFileInfo found(path);
        if (found.isFile() && found.isExecutable()) return QDir::cleanPath(found.filePath());
    }
    return name;
}

// The folder that holds the job folders. A portable program makes its own;
// the system's must be there, and be named in full: a relative or empty
// name would put job folders (and their sweep) wherever the program was
// started from.
Problem Locations::CheckWorkRoot() const {
    if (mode == Mode::Portable) return {};
    const QFileInfo root(workRoot);
    if (workRoot.isEmpty() || root.isRelative())
        return Problem(tr("the temporary folder \"%1\" is not an absolute path (see TMPDIR)").arg(workRoot));
    if (!root.exists()) return Problem(tr("the temporary folder \"%1\" does not exist (see TMPDIR)").arg(workRoot));
    if (!root.isDir()) return Problem(tr("the temporary folder \"%1\" is not a folder (see TMPDIR)").arg(workRoot));
    return {};
}

void Locations::RemoveAbandonedJobFolders() const {
    static const QRegularExpression portable(R"(^job-(\d+)$)"), installed(R"(^norvane-job-(\d+)-\w+$)");
    const QRegularExpression& pattern = mode == Mode::Portable ? portable : installed;
    if (workRoot.isEmpty()) return;  // QDir would read it as the working directory
    const QDir work(workRoot);
    for (const QString& name : work.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = pattern.match(name);
        // Another user's folder in a shared temporary location cannot be
        // removed and is left alone; their process counts as alive anyway.
        if (match.hasMatch() && !ProcessAlive(match.captured(1).toLongLong()))
            QDir(work.filePath(name)).removeRecursively();
    }
}

void Locations::EndJob() const {
    if (!jobFolder.isEmpty()) QDir(jobFolder).removeRecursively();
}

Problem Locations::BeginJob() {
    if (const Problem unusable = CheckWorkRoot())
        return Problem(tr("Cannot make the job's working folder: %1").arg(unusable.Text()));
    RemoveAbandonedJobFolders();
    if (mode == Mode::Portable) {
        // This process's own earlier work is over too.
        QDir(jobFolder).removeRecursively();
        if (!QDir().mkpath(jobFolder)) return Problem(tr("Cannot make the job's working folder \"%1\"").arg(jobFolder));
        return {};
    }
    // A private folder (only its owner may enter) of a name no one can foresee.
    QTemporaryDir folder(InFolder(workRoot, "norvane-job-" + Pid() + "-XXXXXX"));
    if (!folder.isValid())
        return Problem(tr("Cannot make the job's working folder in \"%1\": %2").arg(workRoot, folder.errorString()));
    folder.setAutoRemove(false);
    jobFolder = folder.path() + Sep();
    return {};
}
