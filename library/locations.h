#pragma once
// Every place the programs read or write, chosen once at start.
//
// Portable: the program's folder holds a "quran" folder or a norvane.ini (a
// folder prepared by hand or the Windows way). Packs, settings, icons, the
// guide and the working files all live there, as paths below its root.
//
// Installed: the program sits in a bin folder of a prefix it must never
// write to. Settings go to the user's configuration folder, new packs to the
// user's data folder; packs are also found in the system data folders (a
// user's pack wins over a system pack of the same name); icons and the guide
// come from the installed data; each job works in a private folder of its
// own under the system's temporary location (TMPDIR, else /tmp), which must
// be an existing folder named by an absolute path. Installed files are found
// relative to the program, so that a moved install keeps working.

#include "tools/problem.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Locations {
    Q_DECLARE_TR_FUNCTIONS(Locations)
public:
    enum class Mode { Portable, Installed };

    // Everything below `root`; "." (the default) keeps the paths relative to
    // the working directory, as the window and norvane-make use them after
    // moving into the program folder.
    static Locations Portable(const QString& root = ".");
    static Locations Installed(const QString& programFolder);
    static bool IsPortableFolder(const QString& folder);
    // Sets the application name the user's folders are named after, then
    // picks the mode for the program's own folder. A portable program that
    // enters its folder works with relative paths, as it always did; one
    // that does not (its arguments are the user's paths) gets full paths.
    static void ChooseForProgram(bool enterFolder = true);

    // The locations in use: portable in the working directory until chosen.
    static Locations& Current();
    static void Use(const Locations& locations);

    Mode GetMode() const { return mode; }
    // Where packs are looked for, the first folder winning for a pack name;
    // each ends in a separator.
    const QStringList& PackFolders() const { return packFolders; }
    // Where new packs are written (the first of PackFolders).
    QString NewPackFolder() const { return packFolders.first(); }
    const QString& SettingsFile() const { return settingsFile; }
    // An installed data file (img.dat): where it is, or where it would be.
    QString DataFile(const QString& name) const;
    QString GuideFile() const;
    // A helper program of the project (joinwav): beside the program, then in
    // the installed helper folder, else by its name on PATH.
    static QString HelperProgram(const QString& name);

    // The working folder of the current job, ending in a separator.
    const QString& JobFolder() const { return jobFolder; }
    // Removes working folders of jobs whose process is gone, and makes a
    // fresh one for a new job; else the problem, naming the folder.
    Problem BeginJob();
    // Removes the current job's working folder with all it holds.
    void EndJob() const;

private:
    Mode mode = Mode::Portable;
    QString root;             // portable: the program folder
    QString programFolder;    // installed: where the program is
    QStringList packFolders;
    QString settingsFile;
    QString workRoot;         // where job folders are made
    QString jobFolder;

    Problem CheckWorkRoot() const;
    void RemoveAbandonedJobFolders() const;
    QString InstalledFile(const QString& relativeFolder, const QString& dataPath) const;
};
