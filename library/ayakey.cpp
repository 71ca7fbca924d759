#include "library/ayakey.h"

#include "library/suracatalogue.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit); }

// The digits' value, saturating at INT_MAX.
int DigitsValue(std::string_view digits) {
    long long value = 0;
    for (char c : digits) value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    return int(value);
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string AyaKey::Text() const { return SuraText() + "." + AyaText(); }

bool AyaKey::SuraExists() const { return sura >= 1 && sura <= Sura::kSuraCount; }

bool AyaKey::Exists() const { return SuraExists() && aya >= 1 && aya <= Sura().AyaCount(SuraText()); }

std::string AyaKey::PartText(int number) {
    const std::string digits = std::to_string(number);
    if (number < 10) return "00" + digits;
    if (number < 100) return "0" + digits;
    return digits;
}

std::optional<int> AyaKey::ParsePart(std::string_view text) {
    if (text.size() != 3 || !AllDigits(text)) return std::nullopt;
    return DigitsValue(text);
}

std::optional<AyaKey> AyaKey::Parse(std::string_view text) {
    if (text.size() != 7 || text[3] != '.') return std::nullopt;
    const std::optional<int> suraNumber = ParsePart(text.substr(0, 3)), ayaNumber = ParsePart(text.substr(4));
    if (!suraNumber || !ayaNumber) return std::nullopt;
    return AyaKey(*suraNumber, *ayaNumber);
}

std::optional<int> AyaKey::ParseLenientPart(std::string_view text) {
    const std::string_view digits = Trimmed(text);
    if (!AllDigits(digits)) return std::nullopt;
    return DigitsValue(digits);
}

int AyaKey::LeadingNumber(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return int(std::clamp<long>(value, INT_MIN, INT_MAX));
}
