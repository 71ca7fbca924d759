#include "library/mushafdivisions.h"

#include "library/suracatalogue.h"

#include <QFile>
#include <QList>
#include <algorithm>
#include <optional>

namespace {

constexpr Division kTableKinds[] = {Division::Juz, Division::Hizb, Division::Quarter, Division::Page};

int AyasIn(int sura) {
    static const std::vector<int> counts = [] {
        std::vector<int> all(Sura::kSuraCount + 1, 0);
        const Sura catalogue;
        for (int s = 1; s <= Sura::kSuraCount; ++s) all[s] = catalogue.AyaCount(AyaKey::PartText(s));
        return all;
    }();
    return sura >= 1 && sura <= Sura::kSuraCount ? counts[size_t(sura)] : 0;
}

const AyaKey kLastAya(Sura::kSuraCount, 6);

AyaKey PreviousAya(const AyaKey& aya) {
    if (aya.AyaNumber() > 1) return AyaKey(aya.SuraNumber(), aya.AyaNumber() - 1);
    return AyaKey(aya.SuraNumber() - 1, AyasIn(aya.SuraNumber() - 1));
}

QString Quoted(std::string_view text) { return "\"" + QString::fromUtf8(text.data(), int(text.size())) + "\""; }

// "2:255" as the key of that aya, whether or not the aya exists; empty for
// anything but digits, a colon and digits.
std::optional<AyaKey> SuraColonAya(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<int> sura = AyaKey::ParseLenientPart(text.substr(0, colon));
    const std::optional<int> aya = AyaKey::ParseLenientPart(text.substr(colon + 1));
    if (!sura || !aya) return std::nullopt;
    return AyaKey(*sura, *aya);
}

QString ColonText(const AyaKey& aya) { return QString("%1:%2").arg(aya.SuraNumber()).arg(aya.AyaNumber()); }

Problem NoSuchAya(const AyaKey& aya) {
    if (!aya.SuraExists())
        return Problem(QString("sura %1 does not exist: there are suras 1 to %2")
                           .arg(aya.SuraNumber())
                           .arg(Sura::kSuraCount));
    return Problem(QString("%1 is no aya: sura %2 has ayas 1 to %3")
                       .arg(ColonText(aya))
                       .arg(aya.SuraNumber())
                       .arg(AyasIn(aya.SuraNumber())));
}

// "A-B" as its two halves, or "A" as A twice.
std::pair<std::string_view, std::string_view> Halves(std::string_view text) {
    const size_t dash = text.find('-');
    if (dash == std::string_view::npos) return {text, text};
    return {text.substr(0, dash), text.substr(dash + 1)};
}

// One line of the data file, split into words, added to the starts of its kind.
Problem ParseTableLine(const QList<QByteArray>& words, std::array<std::vector<AyaKey>, 4>& starts) {
    const QString kind = QString::fromUtf8(words.first());
    const auto found = std::find_if(std::begin(kTableKinds), std::end(kTableKinds),
                                    [&](Division d) { return MushafDivisions::KindName(d).toLower() == kind; });
    if (found == std::end(kTableKinds)) return Problem("unknown division \"" + kind + "\"");
    std::vector<AyaKey>& list = starts[size_t(int(*found) - 1)];
    for (qsizetype i = 1; i < words.size(); ++i) {
        const std::optional<AyaKey> start = SuraColonAya(words[i].toStdString());
        if (!start || !start->Exists()) return Problem("no aya " + QString::fromUtf8(words[i]));
        if (!list.empty() && !(list.back() < *start))
            return Problem(kind + " " + ColonText(*start) + " does not follow " + ColonText(list.back()));
        list.push_back(*start);
    }
    return {};
}

}  // namespace

std::vector<AyaKey> AyaRange::Ayas() const {
    std::vector<AyaKey> ayas;
    if (!first.Exists() || !last.Exists()) return ayas;
    for (AyaKey aya = first; aya.Exists() && !(last < aya); aya = NextAya(aya)) ayas.push_back(aya);
    return ayas;
}

AyaKey NextAya(const AyaKey& aya) {
    if (aya.AyaNumber() < AyasIn(aya.SuraNumber())) return AyaKey(aya.SuraNumber(), aya.AyaNumber() + 1);
    if (aya.SuraNumber() < Sura::kSuraCount) return AyaKey(aya.SuraNumber() + 1, 1);
    return AyaKey();
}

const MushafDivisions& MushafDivisions::Madani() {
    static const MushafDivisions table = [] {
        MushafDivisions parsed;
        QFile file(":/data/mushaf-divisions.txt");
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        // The table is part of the program: a faulty one is a faulty build.
        if (const Problem problem = Parse(text, &parsed))
            qFatal("the mushaf's divisions: %s", qPrintable(problem.Text()));
        return parsed;
    }();
    return table;
}

Problem MushafDivisions::Parse(const QByteArray& text, MushafDivisions* table) {
    std::array<std::vector<AyaKey>, 4> starts;
    int lineNumber = 0;
    for (const QByteArray& line : text.split('\n')) {
        ++lineNumber;
        const qsizetype comment = line.indexOf('#');
        const QList<QByteArray> words = (comment < 0 ? line : line.left(comment)).simplified().split(' ');
        if (words.first().isEmpty()) continue;
        if (const Problem problem = ParseTableLine(words, starts))
            return problem.About(QString("line %1").arg(lineNumber));
    }
    for (Division kind : kTableKinds) {
        const size_t have = starts[size_t(int(kind) - 1)].size();
        if (have != size_t(Count(kind)))
            return Problem(QString("%1 starts of %2 instead of %3").arg(have).arg(KindName(kind)).arg(Count(kind)));
    }
    table->starts = std::move(starts);
    return {};
}

int MushafDivisions::Count(Division kind) {
    switch (kind) {
        case Division::Sura: return Sura::kSuraCount;
        case Division::Juz: return 30;
        case Division::Hizb: return 60;
        case Division::Quarter: return 240;
        case Division::Page: return 604;
    }
    return 0;
}

QString MushafDivisions::KindName(Division kind) {
    switch (kind) {
        case Division::Sura: return "Sura";
        case Division::Juz: return "Juz";
        case Division::Hizb: return "Hizb";
        case Division::Quarter: return "Quarter";
        case Division::Page: return "Page";
    }
    return QString();
}

const std::vector<AyaKey>& MushafDivisions::Starts(Division kind) const {
    static const std::vector<AyaKey> suraStarts = [] {
        std::vector<AyaKey> all;
        for (int s = 1; s <= Sura::kSuraCount; ++s) all.emplace_back(s, 1);
        return all;
    }();
    return kind == Division::Sura ? suraStarts : starts[size_t(int(kind) - 1)];
}

AyaRange MushafDivisions::Range(Division kind, int number) const {
    const std::vector<AyaKey>& list = Starts(kind);
    const size_t index = size_t(number - 1);
    return {list[index], index + 1 < list.size() ? PreviousAya(list[index + 1]) : kLastAya};
}

int MushafDivisions::NumberOf(Division kind, const AyaKey& aya) const {
    if (!aya.Exists()) return 0;
    const std::vector<AyaKey>& list = Starts(kind);
    return int(std::upper_bound(list.begin(), list.end(), aya) - list.begin());
}

Problem MushafDivisions::ParseRange(Division kind, std::string_view text, AyaRange* range) const {
    const QString name = KindName(kind).toLower();
    const auto [from, to] = Halves(text);
    const std::optional<int> first = AyaKey::ParseLenientPart(from), last = AyaKey::ParseLenientPart(to);
    if (!first || !last)
        return Problem(Quoted(text) + " is no " + name + " number or range of them (such as 3 or 3-5)");
    for (int number : {*first, *last}) {
        if (number < 1 || number > Count(kind))
            return Problem(QString("%1 %2 does not exist: there are %3 1 to %4")
                               .arg(name)
                               .arg(number)
                               .arg(kind == Division::Juz || kind == Division::Hizb ? name : name + "s")
                               .arg(Count(kind)));
    }
    if (*last < *first) return Problem(name + " " + Quoted(text) + " runs backwards");
    *range = {Range(kind, *first).first, Range(kind, *last).last};
    return {};
}

Problem MushafDivisions::ParseAyaRange(std::string_view text, AyaRange* range) {
    const auto [from, to] = Halves(text);
    const std::optional<AyaKey> first = SuraColonAya(from), last = SuraColonAya(to);
    if (!first || !last)
        return Problem(Quoted(text) + " is no aya or range of ayas (such as 2:255 or 2:255-2:257)");
    for (const AyaKey& aya : {*first, *last})
        if (!aya.Exists()) return NoSuchAya(aya);
    if (*last < *first) return Problem("ayas " + Quoted(text) + " run backwards");
    *range = {*first, *last};
    return {};
}

std::vector<std::vector<AyaKey>> MushafDivisions::SplitBy(Division kind, const std::vector<AyaKey>& ayas) const {
    std::vector<std::vector<AyaKey>> runs;
    int current = 0;
    for (const AyaKey& aya : ayas) {
        const int number = NumberOf(kind, aya);
        if (runs.empty() || number != current) runs.emplace_back();
        runs.back().push_back(aya);
        current = number;
    }
    return runs;
}
