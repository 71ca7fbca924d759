#include "production/discfolder.h"

#include "library/packarchive.h"
#include "production/publish.h"
#include "production/tocwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

// Where a file waits in the folder until everything is ready.
QString Staged(const QDir& into, const QString& name) { return into.filePath("." + name + ".norvane-new"); }

void RemoveStaged(const QDir& into, const QStringList& names) {
    for (const QString& name : names) QFile::remove(Staged(into, name));
}

Problem Rename(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
    if (!error) return {};
    return Problem(QCoreApplication::translate("DiscFolder", "cannot rename %1 to %2: %3")
                       .arg(from, to, QString::fromStdString(error.message())));
}

}  // namespace

Problem FillDiscFolder(const QString& folder, const QString& tocName, const std::vector<std::string>& trackNames,
                       const QString& fromFolder) {
    if (!QDir().mkpath(folder))
        return Problem(QCoreApplication::translate("DiscFolder", "cannot create the folder %1")
                           .arg(QDir::toNativeSeparators(folder)));
    const QDir from(fromFolder), into(folder);
    QStringList names;
    for (const std::string& track : trackNames) {
        const QString name = QString::fromStdString(FileNamePart(track));
        names << name;
        if (const Problem problem = Problem(PublishFile(from.filePath(name), Staged(into, name)))) {
            RemoveStaged(into, names);
            return problem;
        }
    }
    // The table names the tracks by their final names.
    TocWriter toc;
    names << tocName;
    if (!toc.Write(Staged(into, tocName), trackNames, into.absolutePath())) {
        RemoveStaged(into, names);
        return Problem(toc.LastError());
    }
    for (const QString& name : names)
        if (const Problem problem = Rename(Staged(into, name), into.filePath(name))) {
            RemoveStaged(into, names);
            return problem;
        }
    return {};
}
