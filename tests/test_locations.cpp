// Where a job works: its own folder under the portable program's temp folder
// or under the system's temporary location (TMPDIR), made fresh for each
// job, with the folders of ended jobs swept away and nothing else touched.

#include "library/locations.h"
#include "support/testenv.h"

#include <QtTest>
#include <optional>

namespace {

// A folder `name` under `parent` holding a user's file.
bool makeFolder(const QString& parent, const QString& name) {
    return QDir().mkpath(parent + "/" + name) && testenv::writeFile(parent + "/" + name + "/keep.txt", "a user's");
}
bool holdsFile(const QString& parent, const QString& name) { return QFile::exists(parent + "/" + name + "/keep.txt"); }

void useTmpdir(const QString& value) { value.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", QFile::encodeName(value)); }

}  // namespace

class TestLocations : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(work.emplace().ok()); }
    void cleanup() {
        useTmpdir(tmpdir);
        work.reset();
    }

    // A job's folder, made fresh, gone at its end: portable in temp/job-PID,
    // installed in TMPDIR (or /tmp without one). Another ended job's folder
    // goes; a user's folder and anything outside the folder of job folders
    // stay.
    void jobFolderAndSweep() {
        const QString tmp = QDir::current().absoluteFilePath("tmp"), ended = "norvane-job-2147483646-abc";
        QVERIFY(makeFolder("temp", "job-2147483646") && makeFolder("temp", "mine") && makeFolder(tmp, ended));
        QVERIFY(makeFolder(".", ended));
        useTmpdir(tmp);
        const QList<QPair<Locations, QString>> cases{
            {Locations::Portable(), QDir("temp").absolutePath()},
            {Locations::Installed(QDir::currentPath()), tmp},
            {(useTmpdir(QString()), Locations::Installed(QDir::currentPath())), "/tmp"}};
        for (auto [locations, parent] : cases) {
            const Problem problem = locations.BeginJob();
            QVERIFY2(problem.Ok(), qPrintable(problem.Text()));
            const QFileInfo folder(QDir::cleanPath(locations.JobFolder()));
            QVERIFY(folder.absolutePath() == parent && folder.isDir());
            locations.EndJob();
            QVERIFY(!QFileInfo::exists(folder.filePath()));
        }
        QVERIFY(!QFile::exists("temp/job-2147483646") && !QFile::exists(tmp + "/" + ended));
        QVERIFY(holdsFile("temp", "mine") && holdsFile(".", ended));
    }

    // A TMPDIR that is missing, no folder or relative fails the job, naming
    // the folder and why, before anything is swept or made (a job folder
    // named like a user's in the working directory is left alone).
    void unusableTemporaryFolder() {
        QVERIFY(makeFolder(".", "norvane-job-999999-abc") && makeFolder("tmp", "norvane-job-999999-abc") &&
                testenv::writeFile("plain-file", "not a folder"));
        const QString missing = QDir::current().absoluteFilePath("missing");
        const QString pattern = "norvane-job-" + QString::number(QCoreApplication::applicationPid()) + "-*";
        const QList<QPair<QString, QString>> cases{{missing, "does not exist"},
                                                   {QDir::current().absoluteFilePath("plain-file"), "is not a folder"},
                                                   {"tmp", "not an absolute path"}};
        for (const auto& [named, why] : cases) {
            useTmpdir(named);
            Locations installed = Locations::Installed(QDir::currentPath());
            const Problem problem = installed.BeginJob();
            QVERIFY2(holdsFile(".", "norvane-job-999999-abc"), "the working directory was swept");
            QVERIFY2(QDir("/").entryList({pattern}, QDir::Dirs).isEmpty(), "a job folder was made at the root");
            QVERIFY2(problem.Text().contains("\"" + named + "\"") && problem.Text().contains(why) &&
                         installed.JobFolder().isEmpty(), qPrintable(problem.Text()));
        }
        QVERIFY(holdsFile("tmp", "norvane-job-999999-abc") && !QFile::exists(missing));
    }

private:
    std::optional<testenv::WorkFolder> work;
    const QString tmpdir = qEnvironmentVariableIsSet("TMPDIR") ? qEnvironmentVariable("TMPDIR") : QString();
};

QTEST_GUILESS_MAIN(TestLocations)
#include "test_locations.moc"
