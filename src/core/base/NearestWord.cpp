#include "core/base/NearestWord.h"

#include <algorithm>
#include <cctype>

namespace quorvia {

namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

int EditDistance(std::string_view a, std::string_view b) {
    // Three rows of the usual table: two back are needed to see a swap of neighbours.
    std::vector<int> twoBack(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        previous[j] = static_cast<int>(j);
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            int change = SameLetter(a[i - 1], b[j - 1]) ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
            if (i > 1 && j > 1 && SameLetter(a[i - 1], b[j - 2]) &&
                SameLetter(a[i - 2], b[j - 1])) {
                current[j] = std::min(current[j], twoBack[j - 2] + 1);
            }
        }
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::optional<std::string_view> NearestWord(std::string_view typed,
                                            const std::vector<std::string_view>& known) {
    const int closeEnough = std::max<int>(2, static_cast<int>(typed.size()) / 3);
    std::optional<std::string_view> nearest;
    int nearestDistance = closeEnough + 1;
    for (std::string_view word : known) {
        int distance = EditDistance(typed, word);
        if (distance < nearestDistance) {
            nearest = word;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::string DidYouMean(std::string_view typed, const std::vector<std::string_view>& known) {
    std::optional<std::string_view> nearest = NearestWord(typed, known);
    return nearest ? "; did you mean " + std::string(*nearest) + "?" : std::string();
}

}  // namespace quorvia
