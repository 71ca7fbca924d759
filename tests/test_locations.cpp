// Where a job works: its own folder under the portable program's temp folder
// or under the system's temporary location (TMPDIR), made fresh for each
// job, with the folders of ended jobs swept away and nothing else touched.

#include "library/locations.h"
#include "support/testenv.h"

#include <QtTest>
#include <optional>

namespace {

// A folder named like an ended job's, holding a file: `name` under `parent`.
bool makeJobLikeFolder(const QString& parent, const QString& name) {
    return QDir().mkpath(parent + "/" + name) && testenv::writeFile(parent + "/" + name + "/keep.txt", "a user's file");
}

bool holdsFile(const QString& parent, const QString& name) {
    return QFile::exists(parent + "/" + name + "/keep.txt");
}

// The job folders this process made at the root of the file system.
QStringList jobFoldersAtRoot() {
    const QString pattern = "norvane-job-" + QString::number(QCoreApplication::applicationPid()) + "-*";
    return QDir("/").entryList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot);
}

}  // namespace

class TestLocations : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(work.emplace().ok());
        hadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
        tmpdir = qgetenv("TMPDIR");
    }
    void cleanup() {
        if (hadTmpdir)
            qputenv("TMPDIR", tmpdir);
        else
            qunsetenv("TMPDIR");
        work.reset();
    }

    // Portable: temp/job-PID below the program folder, made fresh; another
    // ended job's folder goes, a live one's and other folders stay.
    void portableJobFolder() {
        Locations portable = Locations::Portable();
        QVERIFY(makeJobLikeFolder("temp", "job-2147483646"));
        QVERIFY(makeJobLikeFolder("temp", "job-1"));  // init: alive (or not ours to judge)
        QVERIFY(makeJobLikeFolder("temp", "mine"));
        QVERIFY(makeJobLikeFolder(".", "job-2147483646"));  // not in the temp folder
        const QString own = "temp/job-" + QString::number(QCoreApplication::applicationPid());
        QVERIFY(QDir().mkpath(own) && testenv::writeFile(own + "/stale.wav", "from an earlier job of this process"));

        const Problem problem = portable.BeginJob();
        QVERIFY2(problem.Ok(), qPrintable(problem.Text()));
        QCOMPARE(QDir(portable.JobFolder()).absolutePath(), QDir(own).absolutePath());
        QVERIFY(QFileInfo(own).isDir());
        QVERIFY(!QFile::exists(own + "/stale.wav"));
        QVERIFY(!QFile::exists("temp/job-2147483646"));
        QVERIFY(holdsFile("temp", "job-1") && holdsFile("temp", "mine") && holdsFile(".", "job-2147483646"));
        portable.EndJob();
        QVERIFY(!QFile::exists(own));
    }

    // Installed: a private folder of its own in TMPDIR, or /tmp without one;
    // ended jobs' folders there are swept, the working directory never.
    void installedJobFolder() {
        const QString temporary = QDir::current().absoluteFilePath("tmp");
        QVERIFY(QDir().mkpath(temporary));
        QVERIFY(makeJobLikeFolder(temporary, "norvane-job-2147483646-abc"));
        QVERIFY(makeJobLikeFolder(".", "norvane-job-2147483646-abc"));
        for (const QString& named : {temporary, QString()}) {
            if (named.isEmpty())
                qunsetenv("TMPDIR");
            else
                qputenv("TMPDIR", QFile::encodeName(named));
            Locations installed = Locations::Installed(QDir::currentPath());
            const Problem problem = installed.BeginJob();
            QVERIFY2(problem.Ok(), qPrintable(problem.Text()));
            const QFileInfo folder(QDir::cleanPath(installed.JobFolder()));
            QCOMPARE(folder.absolutePath(), named.isEmpty() ? QString("/tmp") : temporary);
            QVERIFY(folder.isDir());
            QCOMPARE(QFile(installed.JobFolder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                     QFile::Permissions());
            installed.EndJob();
            QVERIFY(!QFileInfo::exists(folder.filePath()));
        }
        QVERIFY(!QFile::exists(temporary + "/norvane-job-2147483646-abc"));
        QVERIFY(holdsFile(".", "norvane-job-2147483646-abc"));
    }

    // A TMPDIR that is relative, missing or no folder fails the job, naming
    // the folder and why, before anything is swept or made.
    void unusableTemporaryFolder() {
        QVERIFY(QDir().mkpath("tmp"));
        QVERIFY(testenv::writeFile("plain-file", "not a folder"));
        QVERIFY(makeJobLikeFolder(".", "norvane-job-999999-abc"));
        QVERIFY(makeJobLikeFolder("tmp", "norvane-job-999999-abc"));
        const QString missing = QDir::current().absoluteFilePath("missing");
        const QString file = QDir::current().absoluteFilePath("plain-file");
        const QList<QPair<QString, QString>> cases{
            {missing, "does not exist"}, {file, "is not a folder"}, {"tmp", "not an absolute path"}};
        for (const auto& [named, why] : cases) {
            qputenv("TMPDIR", QFile::encodeName(named));
            Locations installed = Locations::Installed(QDir::currentPath());
            const Problem problem = installed.BeginJob();
            QVERIFY2(holdsFile(".", "norvane-job-999999-abc"), "the working directory was swept");
            QVERIFY2(jobFoldersAtRoot().isEmpty(), "a job folder was made at the root");
            QVERIFY2(problem.Text().contains("\"" + named + "\"") && problem.Text().contains(why),
                     qPrintable(problem.Text()));
            QVERIFY(installed.JobFolder().isEmpty());
        }
        QVERIFY(holdsFile("tmp", "norvane-job-999999-abc"));
        QVERIFY(!QFile::exists(missing));
    }

private:
    std::optional<testenv::WorkFolder> work;
    bool hadTmpdir = false;
    QByteArray tmpdir;
};

QTEST_GUILESS_MAIN(TestLocations)
#include "test_locations.moc"
