#include "production/tracknames.h"

#include "library/packarchive.h"

std::string StripExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string TrackTitle(const std::string& trackName) { return FileNamePart(StripExtension(trackName)); }
