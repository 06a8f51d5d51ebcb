#include "tools/AprCommand.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "core/base/NumberText.h"
#include "core/base/Text.h"
#include "core/disclosure/AnnualPercentageRate.h"
#include "core/disclosure/RegularPayments.h"
#include "tools/BatchOptions.h"

namespace quorvia {

namespace {

constexpr std::string_view kRequired[] = {"--amount", "--advance-date", "--payments", "--first",
                                          "--freq"};

constexpr int kMostPayments = 9999;

constexpr std::pair<std::string_view, PaymentInterval> kIntervals[] = {
    {"monthly", PaymentInterval::Monthly},        {"quarterly", PaymentInterval::Quarterly},
    {"semiannual", PaymentInterval::SemiAnnual},  {"annual", PaymentInterval::Annual},
    {"biweekly", PaymentInterval::BiWeekly},      {"weekly", PaymentInterval::Weekly},
    {"semimonthly", PaymentInterval::SemiMonthly}};

constexpr std::pair<std::string_view, AprMethod> kMethods[] = {
    {"actuarial", AprMethod::Actuarial}, {"usrule", AprMethod::UnitedStatesRule}};

// Each reader gives nothing, and says why in `error`, when the option's value will not do.

std::optional<double> Amount(const BatchOptions& options, std::string_view name, bool zeroAllowed,
                             std::string& error) {
    std::optional<double> amount = DecimalNumber(TrimView(options.Value(name, "")));
    if (!amount || *amount < 0 || (*amount == 0 && !zeroAllowed)) {
        error =
            std::string(name) + (zeroAllowed ? " must be an amount of zero or more, such as 230.50"
                                             : " must be an amount above zero, such as 5000");
        return std::nullopt;
    }
    return amount;
}

std::optional<Date> DateOption(const BatchOptions& options, std::string_view name,
                               std::string& error) {
    std::optional<Date> date = ParseDate(options.Value(name, ""));
    if (!date) {
        error = std::string(name) + " must be a date such as 01/10/1978";
    }
    return date;
}

template <typename Choice, std::size_t N>
std::optional<Choice> Word(const BatchOptions& options, std::string_view name,
                           const std::pair<std::string_view, Choice> (&words)[N],
                           std::string_view fallback, std::string& error) {
    std::string value = options.Value(name, fallback);
    std::string known;
    for (const auto& [word, choice] : words) {
        if (word == value) {
            return choice;
        }
        known += (known.empty() ? "" : "|") + std::string(word);
    }
    error = std::string(name) + " must be " + known;
    return std::nullopt;
}

// --payments COUNT@AMOUNT: `count` payments of `amount`.
std::optional<ScheduledPayment> Stream(const BatchOptions& options, int& count,
                                       std::string& error) {
    std::string text = options.Value("--payments", "");
    std::size_t at = text.find('@');
    std::optional<int> number = at == std::string::npos
                                    ? std::nullopt
                                    : WholeNumber(TrimView(text.substr(0, at)), 1, kMostPayments);
    std::optional<double> amount =
        at == std::string::npos ? std::nullopt : DecimalNumber(TrimView(text.substr(at + 1)));
    if (!number || !amount || *amount < 0) {
        error = "--payments must be COUNT@AMOUNT, such as 24@230: 1 to " +
                std::to_string(kMostPayments) + " payments of zero or more";
        return std::nullopt;
    }
    count = *number;
    return ScheduledPayment{{}, *amount};
}

// The options as a transaction; nothing, with the reason in `error`, when they do not make one.
std::optional<CreditTransaction> ReadTransaction(const BatchOptions& options, std::string& error) {
    for (std::string_view name : kRequired) {
        if (!options.Has(name)) {
            error = std::string(name) + " is required";
            return std::nullopt;
        }
    }
    int count = 0;
    std::optional<double> amount = Amount(options, "--amount", false, error);
    std::optional<Date> advanced;
    std::optional<ScheduledPayment> regular;
    std::optional<Date> first;
    std::optional<PaymentInterval> interval;
    if (!amount || !(advanced = DateOption(options, "--advance-date", error)) ||
        !(regular = Stream(options, count, error)) ||
        !(first = DateOption(options, "--first", error)) ||
        !(interval = Word(options, "--freq", kIntervals, "", error))) {
        return std::nullopt;
    }
    if (*first <= *advanced) {
        error = "--first must come after --advance-date";
        return std::nullopt;
    }
    if (count == 1 && options.Has("--first-payment") && options.Has("--last-payment")) {
        error = "--first-payment and --last-payment are the same payment when there is only one";
        return std::nullopt;
    }
    CreditTransaction transaction{{{*advanced, *amount}}, {}};
    for (Date date : RegularDueDates(*first, count, *interval)) {
        transaction.payments.push_back({date, regular->amount});
    }
    const std::pair<std::string_view, ScheduledPayment*> odd[] = {
        {"--first-payment", &transaction.payments.front()},
        {"--last-payment", &transaction.payments.back()}};
    for (const auto& [name, payment] : odd) {
        if (options.Has(name)) {
            std::optional<double> oddAmount = Amount(options, name, true, error);
            if (!oddAmount) {
                return std::nullopt;
            }
            payment->amount = *oddAmount;
        }
    }
    return transaction;
}

}  // namespace

const OptionTable& AprOptions() {
    static const OptionTable options{
        {"--amount", "AMOUNT", "the amount advanced, such as 5000; required", ""},
        {"--advance-date", "DATE", "the date it is advanced, MM/DD/YYYY; required", ""},
        {"--payments", "N@AMOUNT", "N regular payments of AMOUNT, such as 24@230; required", ""},
        {"--first", "DATE", "the first payment's date, MM/DD/YYYY; required", ""},
        {"--freq", "FREQ",
         "monthly|quarterly|semiannual|annual|biweekly|weekly|semimonthly; required", ""},
        {"--first-payment", "AMOUNT", "a first payment that differs from the others",
         "the regular amount"},
        {"--last-payment", "AMOUNT", "a last payment that differs from the others",
         "the regular amount"},
        {"--method", "METHOD", "actuarial|usrule (the United States Rule)", "actuarial"},
    };
    return options;
}

int RunAprCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    std::optional<BatchOptions> options = BatchOptions::Parse(args, NamesOf(AprOptions()), error);
    std::optional<CreditTransaction> transaction =
        options ? ReadTransaction(*options, error) : std::nullopt;
    std::optional<AprMethod> method =
        transaction ? Word(*options, "--method", kMethods, "actuarial", error) : std::nullopt;
    if (!method) {
        err << "quorvia-batch apr: " << error << "\n";
        return kExitUsage;
    }
    AprResult apr = AnnualPercentageRate(*transaction, *method);
    if (!apr.percent) {
        err << "quorvia-batch apr: " << apr.refusal << "\n";
        return kExitFailure;
    }
    out << "apr=" << FormatNumber(*apr.percent, "0.0000") << "\n";
    return kExitSuccess;
}

}  // namespace quorvia
