#include "production/cdrdaoadvice.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace {

struct AdviceRow {
    CdrdaoFailure failure;
    const char* pattern;  // matched case-insensitively anywhere in one line
    const char* advice;  // in English; shown translated
};

// cdrdao 1.2.4 (Debian) prints these texts; doc/cdrdao-messages.md records
// where each was seen. Rows are tried in order for every line, and the first
// line that any row matches decides. Warnings such as "No super user
// permission to setup real time scheduling." must match no row.
const AdviceRow kRows[] = {
    // From the binary's strings: the unit stays not ready (no disc, open
    // tray); the drive's sense text when it reports the medium missing.
    // "Unit not ready, still trying..." comes before and is no failure.
    {CdrdaoFailure::NoDisc, R"(Unit not ready, giving up|Medium not present)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice", "There is no disc in the drive, or its tray is open. Insert a blank CD-R or "
                                       "CD-RW, close the tray and try again.")},
    // From the binary's strings (one of them spelt "not emptyand"); "Inserted
    // disk is not empty ..." is what the tool facts record for a written
    // disc. "Cannot erase CD-RW." was seen live from "blank" when the device
    // refused the blank command.
    {CdrdaoFailure::DiscNotBlank,
     R"(not empty ?and not appendable|Inserted medium is not appendable|Cannot erase CD-RW)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice", "The disc in the drive is not blank, and only a CD-RW can be erased. Insert "
                                       "a blank CD-R, or erase the CD-RW first.")},
    // From the binary's strings: "Length of toc (..., N blocks) exceeds
    // capacity of CD-R (..., M blocks)." A TOC of 85 minutes passes every
    // command that runs without a drive.
    {CdrdaoFailure::DiscTooSmall, R"(Length of toc .* exceeds capacity)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice", "The tracks are longer than the disc holds. Remove some ayas or lower their "
                                       "repetitions, or use an 80-minute blank.")},
    // Seen live: a device node with mode 600 opened as an unprivileged user.
    // The other text is from the binary's strings.
    {CdrdaoFailure::NoPermission,
     R"(Unable to open SCSI device .*: (Permission denied|Operation not permitted)|No permission to write to SCSI device)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice",
                       "You may not use the CD writer. Add yourself to the cdrom group and log in again.")},
    // Seen live with the device's open() made to fail with EBUSY (strace).
    {CdrdaoFailure::DriveBusy, R"(Unable to open SCSI device .*: Device or resource busy)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice",
                       "Another program uses the drive. Close it, or wait until it has finished, and try again.")},
    // From the binary's strings: the drive lacks the sub-channel mode that
    // CD-TEXT needs, or refuses the CD-TEXT data.
    {CdrdaoFailure::NoCdText,
     R"(Cannot write CD-TEXT|Writing of CD-TEXT data failed|CD-TEXT data too big)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice", "This drive cannot write CD-TEXT, the track titles Norvane puts on every "
                                       "disc. Use another CD writer.")},
    // From the binary's strings: "Writing failed - buffer under run?",
    // "Writing failed.", "Write data failed.".
    {CdrdaoFailure::WriteFailed, R"(Writing failed|Write data failed)",
     QT_TRANSLATE_NOOP("CdrdaoAdvice",
                       "Writing the disc failed. Try a lower speed, and a new blank if it fails again.")},
};

struct CompiledRow {
    QRegularExpression pattern;
    const AdviceRow* row;
};

const std::vector<CompiledRow>& Compiled() {
    static const std::vector<CompiledRow> rows = [] {
        std::vector<CompiledRow> compiled;
        for (const AdviceRow& row : kRows)
            compiled.push_back({QRegularExpression(QString::fromLatin1(row.pattern),
                                                   QRegularExpression::CaseInsensitiveOption),
                                &row});
        return compiled;
    }();
    return rows;
}

const AdviceRow* FindRow(const QStringList& lines) {
    for (const QString& line : lines)
        for (const CompiledRow& row : Compiled())
            if (row.pattern.match(line).hasMatch()) return row.row;
    return nullptr;
}

}  // namespace

CdrdaoFailure FindCdrdaoFailure(const QStringList& outputLines) {
    const AdviceRow* row = FindRow(outputLines);
    return row ? row->failure : CdrdaoFailure::None;
}

QString CdrdaoAdvice(const QStringList& outputLines) {
    const AdviceRow* row = FindRow(outputLines);
    return row ? QCoreApplication::translate("CdrdaoAdvice", row->advice) : QString();
}
