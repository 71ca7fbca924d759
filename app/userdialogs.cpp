#include "app/userdialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QDialog>
#include <QMessageBox>

namespace {

class RealDialogs : public UserDialogs {
public:
    bool Run(QDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
    void Information(const QString& title, const QString& text) override {
        QMessageBox::about(nullptr, title, text);
    }
    bool Question(const QString& title, const QString& text) override {
        return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
               QMessageBox::Yes;
    }
    void About(const QString& caption, const QString& text, const QPixmap& icon) override {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, nullptr);
        box.setTextFormat(Qt::RichText);
        if (!icon.isNull()) box.setIconPixmap(icon);
        box.exec();
    }
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& startDir,
                         const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, startDir, filter);
    }
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& startDir,
                         const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, startDir, filter);
    }
    QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& startDir) override {
        return QFileDialog::getExistingDirectory(parent, caption, startDir, QFileDialog::ShowDirsOnly);
    }
};

RealDialogs realDialogs;
UserDialogs* installed = nullptr;

}  // namespace

QString UserDialogs::StartDir() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\");
#else
    return QDir::homePath();
#endif
}

UserDialogs& UserDialogs::Current() { return installed ? *installed : realDialogs; }

void UserDialogs::Install(UserDialogs* dialogs) { installed = dialogs; }
