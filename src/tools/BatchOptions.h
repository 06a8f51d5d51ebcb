#pragma once
// The options of a quorvia-batch command: "--name value" pairs and bare "--flag"s.

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Dates.h"
#include "tools/BatchCommand.h"

namespace quorvia {

struct OptionNames {
    std::vector<std::string_view> withValue;  // "--amount"
    std::vector<std::string_view> flags;      // "--yes"
};

// The names of the options in a command's help table.
OptionNames NamesOf(const OptionTable& options);

// The named values of --freq, in the order of their numbers 1 to 6.
inline constexpr std::string_view kFrequencyNames[] = {"monthly", "quarterly", "semiannual",
                                                       "annual",  "biweekly",  "semimonthly"};

// The words as a message lists them: "letter, legal or a4".
std::string Alternatives(std::span<const std::string_view> words);

// An option's value read whole: a whole number from `low` to `high` ("24").
std::optional<int> WholeNumber(std::string_view text, int low, int high);

// An option's value read whole: a decimal number written out ("5000", "230.50", "-1.5").
std::optional<double> DecimalNumber(std::string_view text);

class BatchOptions {
  public:
    // The options in `args`; an unknown option, an option without its value or a word that
    // is no option gives nothing and the reason in `error`, with the option that was most
    // likely meant. A repeated option keeps every value: Value gives the last, Values all.
    static std::optional<BatchOptions> Parse(const CommandArgs& args, const OptionNames& names,
                                             std::string& error);

    bool Has(std::string_view name) const;
    std::string Value(std::string_view name, std::string_view fallback) const;
    // Every value of an option that may be repeated, in the order given.
    std::vector<std::string> Values(std::string_view name) const;

    // A choice option's value as a number from `low` to `high`, given as the number or, where
    // the choice has `names` (any case), by name, the first naming `low`. A value that is
    // neither gives nothing and names the option and its choices in `error`.
    std::optional<int> Choice(std::string_view name, int low, int high, std::string& error,
                              std::span<const std::string_view> names = {}) const;

    // Whether each given amount option (--amount, --payment) and the rate option hold what
    // their fields take; otherwise `error` names the first that does not.
    bool NumbersReadable(std::initializer_list<std::string_view> amounts, std::string_view rate,
                         std::string& error) const;

    // The date the defaults and the checks take as today: --today's, else the computer's, which
    // is only asked for then. A --today that is no date gives nothing and says so in `error`.
    std::optional<Date> Today(std::string& error) const;

  private:
    std::map<std::string, std::vector<std::string>, std::less<>> values_;
    std::set<std::string, std::less<>> flags_;
};

}  // namespace quorvia
