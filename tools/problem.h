#pragma once
// How the core reports a failure: a function that can fail returns a
// Problem, which is either nothing (it worked) or the reason in plain text,
// ready for a log line or a box. [[nodiscard]] makes a dropped failure a
// compiler warning (and an error in CI builds).
//
//   Problem Save(...) {
//       if (!file.open(...)) return Problem(tr("cannot write %1: %2").arg(path, file.errorString()));
//       return {};
//   }
//   if (const Problem p = Save(...)) Log(p.Text());

#include <QCoreApplication>
#include <QString>
#include <string>
#include <utility>

class [[nodiscard]] Problem {
public:
    Problem() = default;  // no problem
    explicit Problem(QString reason) : reason(std::move(reason)) {}
    explicit Problem(const std::string& reason) : reason(QString::fromStdString(reason)) {}
    explicit Problem(const char* reason) : reason(QString::fromUtf8(reason)) {}

    // True when something went wrong.
    explicit operator bool() const { return !reason.isEmpty(); }
    bool Ok() const { return reason.isEmpty(); }
    const QString& Text() const { return reason; }
    std::string StdText() const { return reason.toStdString(); }

    // The same problem with what it happened to in front: "002.mat: ...".
    Problem About(const QString& what) const {
        //: What a problem happened to, then the problem: "002.mat: the file is cut short".
        return Ok() ? Problem() : Problem(QCoreApplication::translate("Problem", "%1: %2").arg(what, reason));
    }

private:
    QString reason;
};
