// The shipped translations: every text the code puts through tr() has a
// finished translation in every language, and a translation keeps the
// placeholders and the keyboard accelerator of its English text.
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// "%1", "%L2" and "%n", sorted (a translation may change their order), and the accelerators.
QString Marks(const QString& text) {
    static const QRegularExpression placeholder("%L?(\\d+|n)");
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found.join(' ') + " &" + QString::number(QString(text).remove("&&").count('&'));
}

// What is wrong with the messages of a .ts file, one line each.
QStringList Faults(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {"cannot read " + path};
    QStringList faults;
    QString context, source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() != u"translation") continue;
        // Unfinished, vanished and obsolete texts are shown to no one.
        const bool finished = xml.attributes().value("type").isEmpty();
        const QString translation = xml.readElementText();
        if (!finished || translation.isEmpty()) faults << "untranslated: " + context + " \"" + source + "\"";
        else if (Marks(source) != Marks(translation)) faults << "placeholders or accelerator differ: " + context + " \"" + source + "\"";
    }
    return faults;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QStringList updated;  // the shipped files brought up to date with the code

private slots:
    void initTestCase() {
        const QDir shipped(NORVANE_SOURCE_DIR "/translations");
        for (const QString& name : shipped.entryList({"norvane_*.ts"})) {
            QVERIFY(QFile::copy(shipped.filePath(name), dir.filePath(name)));
            updated << dir.filePath(name);
        }
        QCOMPARE(updated.size(), 8);
        QStringList arguments{"-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h"};
        for (const char* folder : {"app", "library", "burnlist", "production", "tools"})
            arguments << QString(NORVANE_SOURCE_DIR "/") + folder;
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(LUPDATE_PROGRAM, arguments + QStringList{"-ts"} + updated);
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    }

    void everyTextTranslated_data() {
        QTest::addColumn<QString>("path");
        for (const QString& path : updated) QTest::newRow(qPrintable(QFileInfo(path).baseName())) << path;
    }
    void everyTextTranslated() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().count("<message>") > 300);
        const QStringList faults = Faults(path);
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults:\n" + faults.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"
