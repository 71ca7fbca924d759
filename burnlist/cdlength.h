#pragma once
// The CD length figure: minutes and seconds in a colour that turns from pale
// to red as the total approaches what a recordable CD holds.

#include <QString>

// The colour band of a total of `minutes` whole minutes ("#EEEEEE" .. "#FF0000").
QString CdLengthColour(int minutes);
// The rich text of the CD length label for a total in seconds.
QString CdLengthHtml(int seconds);
