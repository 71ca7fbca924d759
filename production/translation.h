#pragma once
// The translation played after each aya: a recitation of kind
// "translation" (see library/recitation.h), its recordings in the usual
// pack layout. A job names it in PlayOptions by its recitation name; each
// part that needs its recordings (the disc's length, the track recipe, the
// refusal before a job) reads them through a Quran of its own set to that
// recitation, so the main recitation's Quran stays as it is.

#include "burnlist/saya.h"
#include "tools/problem.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class Quran;

namespace Translation {

// The key under which a length source finds the translation NAME of an aya:
// "NAME/002.255". A recitation's name holds no separator, so no aya key and
// no other name reads the same.
std::string LengthKey(const QString& name, const std::string& ayaKey);
// The name and aya key of such a key; false for any other key.
bool SplitLengthKey(const std::string& key, QString* name, std::string* ayaKey);

// Why NAME cannot be played as the translation: no recitation of that name
// is installed, or it is not a translation.
Problem CheckInstalled(const QString& name);
// A Quran reading the packs of the recitation NAME, set up.
std::unique_ptr<Quran> Open(const QString& name);
// The aya keys of the list whose translation recording `translation` lacks.
QStringList Missing(const Quran& translation, const std::vector<saya>& list);

}  // namespace Translation
