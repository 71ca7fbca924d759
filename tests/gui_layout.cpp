// The window at its smallest size, in every language it speaks: no text cut
// off (every label, button and check box shown gets at least the width its
// text needs), and the right-to-left languages laid out mirrored.
#include "app/language.h"
#include "app/norvane.h"
#include "library/locations.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

class LayoutTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedDialogs dialogs;

    // The texts shown narrower than they need, with both widths.
    static QStringList CutTexts(QWidget* window) {
        QStringList cut;
        const auto check = [&cut](QWidget* widget, const QString& text) {
            if (!widget->isVisible() || text.isEmpty()) return;
            if (widget->width() < widget->sizeHint().width())
                cut << QString("\"%1\": %2 of %3 px").arg(text).arg(widget->width()).arg(widget->sizeHint().width());
            if (widget->height() < widget->sizeHint().height())
                cut << QString("\"%1\": %2 of %3 px high").arg(text).arg(widget->height()).arg(widget->sizeHint().height());
        };
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->wordWrap()) check(label, label->text());
            // A text that wraps needs the height of its lines.
            if (label->wordWrap() && label->isVisible() && label->height() < label->heightForWidth(label->width()))
                cut << QString("\"%1\": %2 of %3 px high").arg(label->text()).arg(label->height()).arg(label->heightForWidth(label->width()));
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) check(button, button->text());
        return cut;
    }

private slots:
    void initTestCase() {
        QVERIFY(testenv::writePack(dir.filePath("quran/s078_s114.mat"), {{"078.001.mp3", testenv::makeMp3(500)}}));
        QVERIFY(testenv::writePack(dir.filePath("quran/s001_s002.mat"), {{"001.001.mp3", testenv::makeMp3(500)}}));
        // The compiled translations, where a portable program finds them.
        const QDir built(NORVANE_BIN_DIR "/../share/norvane/translations");
        QVERIFY(QDir().mkpath(dir.filePath("translations")));
        for (const QString& qm : built.entryList({"*.qm"}))
            QVERIFY(QFile::copy(built.filePath(qm), dir.filePath("translations/" + qm)));
        // The icons too: they widen the buttons.
        QVERIFY(QFile::copy(NORVANE_BIN_DIR "/../share/norvane/img.dat", dir.filePath("img.dat")));
        QVERIFY(QDir::setCurrent(dir.path()));
        Locations::Use(Locations::Portable());
    }

    void smallestWindowCutsNoText_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("writer");
        for (const InterfaceLanguage& language : InterfaceLanguages()) {
            QTest::newRow(qPrintable(language.code)) << language.code << false;
            QTest::newRow(qPrintable(language.code + " with a writer")) << language.code << true;
        }
    }
    void smallestWindowCutsNoText() {
        QFETCH(QString, language);
        QFETCH(bool, writer);
        QVERIFY(InstallLanguage(*qApp, language));
        // With a writer, the CD tab shows its controls instead of the advice.
        std::unique_ptr<testenv::FakeTool> cdrdao;
        if (writer) {
            cdrdao = std::make_unique<testenv::FakeTool>(dir.path());
            QVERIFY(cdrdao->setScript(testenv::kScanOneWriter));
        }
        Norvane window;
        window.resize(window.minimumSize());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // English keeps the window of old; a language whose texts need more makes it a little wider.
        QCOMPARE(window.size(), window.minimumSize());
        QVERIFY(language == "en" ? window.size() == QSize(660, 580) : window.width() <= 760 && window.height() <= 660);
        QCOMPARE(window.findChild<QWidget*>("driveCombo")->isVisible(), writer);
        // The shortcuts are named beside the buttons' translated words.
        const QString addTip = window.findChild<QWidget*>("addAyaButton")->toolTip();
        const QString keys = QKeySequence(Qt::CTRL | Qt::Key_I).toString(QKeySequence::NativeText);
        QVERIFY2(addTip.endsWith("(" + keys + ")") && addTip.size() > keys.size() + 3, qPrintable(addTip));
        QStringList cut = CutTexts(&window);
        // The MP3 tab's texts too, shown in the same room.
        auto* tabs = window.findChild<QTabWidget*>("tabs");
        tabs->setCurrentIndex(1);
        cut += CutTexts(tabs->currentWidget());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
        // Right to left: the playlist's column stands right of the ayas.
        const bool mirrored = QLocale(language).textDirection() == Qt::RightToLeft;
        const auto x = [&window](const char* name) { return window.findChild<QWidget*>(name)->mapTo(&window, QPoint()).x(); };
        QCOMPARE(x("burnListBox") > x("ayaListBox"), mirrored);
    }
};

QTEST_MAIN(LayoutTest)
#include "gui_layout.moc"
