#include "tools/BatchOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/base/EntryNumbers.h"

namespace quorvia {

namespace {

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

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

std::optional<BatchOptions> BatchOptions::Parse(const CommandArgs& args, const OptionNames& names,
                                                std::string& error) {
    BatchOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (Contains(names.flags, name)) {
            options.flags_.insert(name);
        } else if (!Contains(names.withValue, name)) {
            error = "unknown option " + name;
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

}  // namespace quorvia
