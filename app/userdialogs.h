#pragma once
// The one seam through which the window asks the user anything: message
// boxes and file or folder choosers. The program uses the real dialogs;
// tests install an answerer that records what was shown and answers at once,
// so that no test ever waits on a modal box.

#include <QPixmap>
#include <QString>

class QDialog;
class QWidget;

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // An about-style information box with a single OK button, no parent.
    virtual void Information(const QString& title, const QString& text) = 0;
    // A Yes/No question, No the default; true for Yes.
    virtual bool Question(const QString& title, const QString& text) = 0;
    // A rich-text box with a custom icon (the About box).
    virtual void About(const QString& caption, const QString& text, const QPixmap& icon) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& startDir,
                                 const QString& filter) = 0;
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& startDir,
                                 const QString& filter) = 0;
    virtual QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& startDir) = 0;
    // Runs a dialog of the window's own to its end; true when accepted.
    virtual bool Run(QDialog& dialog) = 0;

    // Where the file and folder choosers open: the root of drive C on
    // Windows, the home folder elsewhere.
    static QString StartDir();

    // The dialogs in use; the real ones unless a test installed others.
    static UserDialogs& Current();
    // Installs `dialogs` (not owned); nullptr restores the real ones.
    static void Install(UserDialogs* dialogs);
};
