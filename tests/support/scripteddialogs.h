#pragma once
// Answers the window's boxes and file choosers in GUI tests: records every
// box that would have been shown and returns the prepared answers at once.
// Header-only, so that only window tests (which link the app) include it.

#include "app/userdialogs.h"

#include <QStringList>
#include <functional>

class QDialog;

struct ShownBox {
    QString title;
    QString text;
};

class ScriptedDialogs : public UserDialogs {
public:
    ScriptedDialogs() { UserDialogs::Install(this); }
    ~ScriptedDialogs() override { UserDialogs::Install(nullptr); }

    QList<ShownBox> boxes;             // every box shown, in order
    QStringList fileAnswers;           // answers for the file and folder choosers, in order
    bool questionAnswer = false;       // what every question is answered (Yes: true)
    // Fills in and answers the window's own dialogs (true: accepted); none: cancelled.
    std::function<bool(QDialog&)> dialogAnswer;

    void Information(const QString& title, const QString& text) override { Record(title, text); }
    bool Question(const QString& title, const QString& text) override {
        Record(title, text);
        return questionAnswer;
    }
    void About(const QString& caption, const QString& text, const QPixmap&) override { Record(caption, text); }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return Answer(); }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return Answer(); }
    QString ExistingDirectory(QWidget*, const QString&, const QString&) override { return Answer(); }
    bool Run(QDialog& dialog) override { return dialogAnswer && dialogAnswer(dialog); }

    QStringList Texts() const {
        QStringList texts;
        for (const ShownBox& b : boxes) texts << b.text;
        return texts;
    }

private:
    void Record(const QString& title, const QString& text) { boxes.append({title, text}); }
    QString Answer() { return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst(); }
};
