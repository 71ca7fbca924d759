#pragma once
// Answers the window's boxes and file choosers in GUI tests: records every
// box that would have been shown and returns the prepared answers at once.
// Header-only, so that only window tests (which link the app) include it.

#include "app/userdialogs.h"

#include <QStringList>
#include <functional>

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
    QStringList askedCaptions;         // captions of the choosers that were opened
    QStringList askedStartDirs;
    std::function<void(const ShownBox&)> onBox;  // runs while the "box" is open
    bool questionAnswer = false;       // what every question is answered (Yes: true)

    void Information(const QString& title, const QString& text) override { Record(title, text); }
    bool Question(const QString& title, const QString& text) override {
        Record(title, text);
        return questionAnswer;
    }
    void About(const QString& caption, const QString& text, const QPixmap&) override { Record(caption, text); }
    QString SaveFileName(QWidget*, const QString& caption, const QString& startDir, const QString&) override {
        return Answer(caption, startDir);
    }
    QString OpenFileName(QWidget*, const QString& caption, const QString& startDir, const QString&) override {
        return Answer(caption, startDir);
    }
    QString ExistingDirectory(QWidget*, const QString& caption, const QString& startDir) override {
        return Answer(caption, startDir);
    }

    QStringList Texts() const {
        QStringList texts;
        for (const ShownBox& b : boxes) texts << b.text;
        return texts;
    }

private:
    void Record(const QString& title, const QString& text) {
        boxes.append({title, text});
        if (onBox) onBox(boxes.last());
    }
    QString Answer(const QString& caption, const QString& startDir) {
        askedCaptions << caption;
        askedStartDirs << startDir;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};
