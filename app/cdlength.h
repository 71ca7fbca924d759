#pragma once
// The CD length figure: minutes and seconds in a colour that turns from pale
// to red as the total approaches what a recordable CD holds; past that the
// caption turns red as well.

#include <QString>

struct DiscTime;

// The colour band of a total of `minutes` whole minutes ("#EEEEEE" .. "#FF0000").
QString CdLengthColour(int minutes);
// The rich text of the CD length label: the disc's playing time (with the
// pause before track 1) in whole seconds, rounded down, so that a disc that
// fits never shows 80:00.
QString CdLengthHtml(const DiscTime& disc);
