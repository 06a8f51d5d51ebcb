#pragma once
// The page set-up a report is printed with: the paper size and the orientation, by the codes
// the printer settings carry, and the page each gives in twips (1440 to the inch).

#include <cstdint>
#include <span>
#include <string_view>

namespace quorvia {

inline constexpr int16_t kOrientPortrait = 1;
inline constexpr int16_t kOrientLandscape = 2;

inline constexpr int16_t kPaperLetter = 1;
inline constexpr int16_t kPaperTabloid = 3;
inline constexpr int16_t kPaperLegal = 5;
inline constexpr int16_t kPaperExecutive = 7;
inline constexpr int16_t kPaperA3 = 8;
inline constexpr int16_t kPaperA4 = 9;
inline constexpr int16_t kPaperA5 = 11;

// A sheet of paper standing upright.
struct Paper {
    int16_t code;
    std::string_view name;  // as the command line names it: "letter", "a4"
    int width;              // twips
    int height;
};

// The paper sizes the program offers, Letter first.
std::span<const Paper> PaperSizes();
// The paper of a code; nothing for a code not in the list.
const Paper* PaperOf(int16_t code);
// The paper of a name, in any case; nothing for a name not in the list.
const Paper* PaperNamed(std::string_view name);

struct PageSize {
    int width;
    int height;

    bool operator==(const PageSize&) const = default;
};

// The page of the set-up, turned for landscape. An unset or unknown paper is Letter and any
// orientation but landscape is portrait, as the reports have always been laid out.
PageSize PageSizeOf(int16_t paperSize, int16_t orientation);

// The paper of the locale the program runs in (LC_ALL, else LC_PAPER, else LANG): Letter in
// the United States and Canada, A4 in every other country. A locale that names no country
// ("C", "POSIX", none) keeps Letter.
int16_t LocalePaperSize();

}  // namespace quorvia
