// How fast a recitation downloads: about 1,000 per-aya files of 40 kB from
// the local test server (tests/ayaserver.py) with 50 ms added to every
// answer, as a server far away answers, against the same files fetched one
// after another by curl (one process, its connection kept) in the same run.
// Prints both wall times, their ratio (four connections: about 0.25 is the
// floor) and the program's CPU time per file, which covers judging each
// file (checksum, MP3 decode), stripping its tags and writing the packs.

#include "library/locations.h"
#include "library/recitationdownload.h"
#include "library/suracatalogue.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

const QString kFolder = "Bench_64kbps";
const std::vector<int> kSuras{2, 3, 4, 5, 6, 8};  // 1,022 ayas
const int kDelayMs = 50;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

[[noreturn]] void Die(const char* why) {
    std::fprintf(stderr, "bench_download: %s\n", why);
    std::exit(1);
}

QStringList ServeFiles(const QString& root) {
    const QString data = root + "/data/" + kFolder;
    if (!QDir().mkpath(data)) Die("cannot make the server folder");
    const QByteArray mp3 = testenv::makeMp3(5000, 22050, 1, {"-b", "64"});  // about 40 kB
    if (mp3.size() < 30000) Die("lame made no recording");
    const QByteArray md5 = QCryptographicHash::hash(mp3, QCryptographicHash::Md5).toHex();
    QStringList names;
    QByteArray sums;
    const Sura sura;
    for (int s : kSuras)
        for (int a = 1; a <= sura.AyaCount(PadKey(std::to_string(s))); ++a) {
            const QString name = QString("%1%2.mp3").arg(s, 3, 10, QChar('0')).arg(a, 3, 10, QChar('0'));
            if (!testenv::writeFile(data + "/" + name, mp3)) Die("cannot write a served file");
            sums += md5 + " *" + kFolder.toUtf8() + "/" + name.toUtf8() + "\r\n";
            names << name;
        }
    testenv::writeFile(data + "/000_checksum.md5", sums);
    testenv::writeFile(root + "/faults.json", QByteArray("{\"delay_ms\": ") + QByteArray::number(kDelayMs) + "}");
    return names;
}

double CurlSeconds(const QString& base, const QStringList& names, const QString& outFolder) {
    QByteArray config;
    for (const QString& name : names)
        config += "url = \"" + (base + "/" + kFolder + "/" + name).toUtf8() + "\"\noutput = \"" +
                  (outFolder + "/" + name).toUtf8() + "\"\n";
    testenv::writeFile(outFolder + "/curl.conf", config);
    QElapsedTimer clock;
    clock.start();
    const testenv::RunResult curl = testenv::run("curl", {"-s", "-f", "-K", outFolder + "/curl.conf"});
    if (curl.exitCode != 0) Die("curl failed");
    return clock.elapsed() / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qunsetenv("http_proxy");
    QTemporaryDir serverRoot, library, curlOut;
    const QStringList names = ServeFiles(serverRoot.path());
    QProcess server;
    server.start("python3", {NORVANE_SOURCE_DIR "/tests/ayaserver.py", serverRoot.path()});
    if (!server.waitForReadyRead(10000)) Die("the server did not start");
    const QString base = "http://127.0.0.1:" + QString::fromLatin1(server.readLine().trimmed().mid(5)) + "/data";

    const double curlSeconds = CurlSeconds(base, names, curlOut.path());

    Locations::Use(Locations::Portable(library.path()));
    DownloadOrder order;
    order.source = {"Bench", kFolder, "64kbps", "recitation", "ar"};
    order.base = base;
    order.suras = kSuras;
    RecitationDownload download;
    QSignalSpy finished(&download, &Job::Finished);
    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    download.Start(order);
    if (!finished.wait(600000)) Die("the download did not end");
    const double seconds = clock.elapsed() / 1000.0, cpu = CpuSeconds() - cpuBefore;
    if (download.Report().held != int(names.size())) Die("the download did not hold every file");

    std::printf("files: %lld of %.0f kB, %d ms added to every answer\n", static_cast<long long>(names.size()),
                download.Report().bytes / 1024.0 / names.size(), kDelayMs);
    std::printf("curl, one after another: %.2f s\n", curlSeconds);
    std::printf("norvane download (%d connections): %.2f s (%.2fx curl)\n", RecitationDownload::kMaxConnections,
                seconds, seconds / curlSeconds);
    std::printf("norvane CPU: %.2f s, %.2f ms per file\n", cpu, cpu * 1000 / names.size());
    server.kill();
    server.waitForFinished();
    return 0;
}
