// The shipped translations: every text the code puts through tr() has a
// finished translation in every language, and a translation keeps the
// placeholders and the keyboard accelerator of its English text.
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context, source, translation;
    bool finished = false;
};

QList<Message> ReadTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") messages.append(Message{context, {}, {}, false});
        if (xml.name() == u"source" && !messages.isEmpty()) messages.last().source = xml.readElementText();
        if (xml.name() == u"translation" && !messages.isEmpty()) {
            // Unfinished, vanished and obsolete texts are not shown to anyone.
            messages.last().finished = xml.attributes().value("type").isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

// "%1", "%L2" and "%n", sorted; the order may change in a translation.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder("%L?(\\d+|n)");
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

int Accelerators(QString text) { return int(text.remove("&&").count('&')); }

QStringList SourcesOf(const QString& top) {
    QStringList sources;
    for (const char* folder : {"app", "library", "burnlist", "production", "tools"})
        for (const QString& name : QDir(top + "/" + folder).entryList({"*.cpp", "*.h"}))
            sources << top + "/" + folder + "/" + name;
    return sources;
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
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(LUPDATE_PROGRAM, QStringList{"-silent", "-no-obsolete", "-locations", "none"} +
                                           SourcesOf(NORVANE_SOURCE_DIR) + QStringList{"-ts"} + updated);
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    }

    void everyTextTranslated_data() {
        QTest::addColumn<QString>("path");
        for (const QString& path : updated) QTest::newRow(qPrintable(QFileInfo(path).baseName())) << path;
    }
    void everyTextTranslated() {
        QFETCH(QString, path);
        const QList<Message> messages = ReadTs(path);
        QVERIFY(messages.size() > 100);
        QStringList faults;
        for (const Message& m : messages) {
            const QString where = m.context + " \"" + m.source + "\"";
            if (!m.finished || m.translation.isEmpty()) faults << "untranslated: " + where;
            else if (Placeholders(m.source) != Placeholders(m.translation)) faults << "placeholders differ: " + where;
            else if (Accelerators(m.source) != Accelerators(m.translation)) faults << "accelerators differ: " + where;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults:\n" + faults.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"
