#include "tools/BatchOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/base/Clock.h"
#include "core/base/EntryNumbers.h"
#include "core/base/NearestWord.h"
#include "core/base/Text.h"

namespace quorvia {

namespace {

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "; did you mean --term?" for "--trem", or nothing when no option is close.
std::string Suggestion(std::string_view typed, const OptionNames& names) {
    std::vector<std::string_view> known = names.withValue;
    known.insert(known.end(), names.flags.begin(), names.flags.end());
    return DidYouMean(typed, known);
}

// "monthly, quarterly or annual (or 1 to 3)"; "1 to 4" or "0 or 1" without names.
std::string ChoicesText(int low, int high, std::span<const std::string_view> names) {
    std::string numbers =
        std::to_string(low) + (high == low + 1 ? " or " : " to ") + std::to_string(high);
    return names.empty() ? numbers : Alternatives(names) + " (or " + numbers + ")";
}

}  // namespace

std::string Alternatives(std::span<const std::string_view> words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += std::string(i == 0                  ? ""
                            : i + 1 == words.size() ? " or "
                                                    : ", ") +
                std::string(words[i]);
    }
    return text;
}

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failed != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> DecimalNumber(std::string_view text) {
    double value = 0;
    auto [end, failed] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (failed != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

OptionNames NamesOf(const OptionTable& options) {
    OptionNames names;
    for (const OptionHelp& option : options) {
        (option.value.empty() ? names.flags : names.withValue).push_back(option.name);
    }
    return names;
}

std::optional<BatchOptions> BatchOptions::Parse(const CommandArgs& args, const OptionNames& names,
                                                std::string& error) {
    BatchOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (Contains(names.flags, name)) {
            options.flags_.insert(name);
        } else if (!Contains(names.withValue, name)) {
            error = "unknown option " + name + Suggestion(name, names);
            return std::nullopt;
        } else if (i + 1 == args.size()) {
            error = "option " + name + " needs a value";
            return std::nullopt;
        } else {
            options.values_[name].push_back(args[++i]);
        }
    }
    return options;
}

bool BatchOptions::Has(std::string_view name) const {
    return flags_.contains(name) || values_.contains(name);
}

std::string BatchOptions::Value(std::string_view name, std::string_view fallback) const {
    auto found = values_.find(name);
    return found == values_.end() ? std::string(fallback) : found->second.back();
}

std::vector<std::string> BatchOptions::Values(std::string_view name) const {
    auto found = values_.find(name);
    return found == values_.end() ? std::vector<std::string>{} : found->second;
}

std::optional<int> BatchOptions::Choice(std::string_view name, int low, int high,
                                        std::string& error,
                                        std::span<const std::string_view> names) const {
    std::string value = Value(name, "");
    if (std::optional<int> number = WholeNumber(value, low, high)) {
        return number;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (EqualsIgnoreCase(value, names[i])) {
            return low + static_cast<int>(i);
        }
    }
    error = std::string(name) + " must be " + ChoicesText(low, high, names);
    return std::nullopt;
}

bool BatchOptions::NumbersReadable(std::initializer_list<std::string_view> amounts,
                                   std::string_view rate, std::string& error) const {
    for (std::string_view name : amounts) {
        if (Has(name) && !AmountValue(Value(name, ""))) {
            error = std::string(name) + " must be " + std::string(kAmountExample);
            return false;
        }
    }
    if (Has(rate) && !RatePercent(Value(rate, ""))) {
        error = std::string(rate) + " must be " + std::string(kRateExample);
        return false;
    }
    return true;
}

std::optional<Date> BatchOptions::Today(std::string& error) const {
    if (!Has("--today")) {
        return SystemToday();
    }
    std::optional<Date> today = ParseDate(Value("--today", ""));
    if (!today) {
        error = "--today must be a date such as 03/10/1998";
    }
    return today;
}

}  // namespace quorvia
