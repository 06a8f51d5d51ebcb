#include "tools/EventOptions.h"

#include <limits>
#include <string_view>

#include "core/base/EntryNumbers.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

namespace {

constexpr int kAnyPayment = std::numeric_limits<int>::max();

std::optional<int> PaymentNumber(std::string_view text) {
    return WholeNumber(text, 0, kAnyPayment);
}

// "AMOUNT", "AMOUNT@FROM" or "AMOUNT@FROM-TO".
std::optional<ScheduleEvent> Extra(std::string_view text) {
    std::size_t at = text.find('@');
    std::optional<double> amount = AmountValue(text.substr(0, at));
    if (!amount) {
        return std::nullopt;
    }
    if (at == std::string_view::npos) {
        return ExtraPrincipal(*amount, 1);
    }
    std::string_view payments = text.substr(at + 1);
    std::size_t dash = payments.find('-');
    std::optional<int> from = PaymentNumber(payments.substr(0, dash));
    if (dash == std::string_view::npos) {
        return from ? std::optional(ExtraPrincipal(*amount, *from)) : std::nullopt;
    }
    std::optional<int> to = PaymentNumber(payments.substr(dash + 1));
    if (!from || !to) {
        return std::nullopt;
    }
    return ExtraPrincipal(*amount, *from, *to);
}

// "VALUE@N": the value's text and the payment number.
std::optional<std::pair<std::string_view, int>> AtPayment(std::string_view text) {
    std::size_t at = text.find('@');
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::optional<int> payment = PaymentNumber(text.substr(at + 1));
    if (!payment) {
        return std::nullopt;
    }
    return std::pair(text.substr(0, at), *payment);
}

class EventReader {
  public:
    explicit EventReader(const BatchOptions& options) : options_(options) {}

    std::optional<BatchEvents> Read(std::string& error) {
        for (const std::string& value : options_.Values("--extra")) {
            std::optional<ScheduleEvent> extra = Extra(value);
            if (!extra) {
                error =
                    "--extra must be AMOUNT, AMOUNT@FROM or AMOUNT@FROM-TO (200, 200@13, "
                    "200@13-24)";
                return std::nullopt;
            }
            Add("--extra", value, *extra);
        }
        for (const std::string& value : options_.Values("--lump")) {
            auto lump = AtPayment(value);
            std::optional<double> amount = lump ? AmountValue(lump->first) : std::nullopt;
            if (!amount) {
                error = "--lump must be AMOUNT@N (5000@24)";
                return std::nullopt;
            }
            Add("--lump", value, LumpSum(*amount, lump->second));
        }
        const bool keepPayment = options_.Has("--keep-payment");
        for (const std::string& value : options_.Values("--rate-change")) {
            auto change = AtPayment(value);
            std::optional<double> percent = change ? RatePercent(change->first) : std::nullopt;
            if (!percent) {
                error = "--rate-change must be RATE@N (7.25@61)";
                return std::nullopt;
            }
            Add("--rate-change", value, RateChange(*percent / 100, change->second, keepPayment));
        }
        if (keepPayment && !options_.Has("--rate-change")) {
            error = "--keep-payment goes with --rate-change RATE@N";
            return std::nullopt;
        }
        if (options_.Has("--interest-only")) {
            std::string value = options_.Value("--interest-only", "");
            std::optional<int> payments = PaymentNumber(value);
            if (!payments) {
                error = "--interest-only must be a number of payments (12)";
                return std::nullopt;
            }
            Add("--interest-only", value, InterestOnly(*payments));
        }
        error = EventOptionsProblem(read_, kAnyPayment);
        return error.empty() ? std::optional(std::move(read_)) : std::nullopt;
    }

  private:
    void Add(std::string_view option, const std::string& value, const ScheduleEvent& event) {
        read_.events.push_back(event);
        read_.given.push_back(std::string(option) + " " + value);
    }

    const BatchOptions& options_;
    BatchEvents read_;
};

}  // namespace

OptionNames WithEventOptions(OptionNames names) {
    names.withValue.insert(names.withValue.end(),
                           {"--extra", "--lump", "--rate-change", "--interest-only"});
    names.flags.insert(names.flags.end(), {"--keep-payment", "--summary"});
    return names;
}

std::optional<BatchEvents> ParseEventOptions(const BatchOptions& options, std::string& error) {
    return EventReader(options).Read(error);
}

std::string EventOptionsProblem(const BatchEvents& events, int scheduledCount) {
    std::optional<EventProblem> problem = FindEventProblem(events.events, scheduledCount);
    return problem ? events.given[problem->event] + ": " + problem->message : std::string();
}

}  // namespace quorvia
