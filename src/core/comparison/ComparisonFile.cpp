#include "core/comparison/ComparisonFile.h"

#include <array>
#include <nlohmann/json.hpp>

#include "core/base/AtomicFile.h"
#include "core/base/InputFile.h"
#include "core/schedule/AmortInputs.h"

namespace quorvia {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "quorvia-comparison";
constexpr int kVersion = 1;

// The loan's text fields under their names in the file, in the order of AmortField.
constexpr std::array<const char*, kAmortFieldCount> kFieldNames = {
    "name",    "amount",       "rate",        "term",   "firstPayment",
    "payment", "interestFree", "fundingDate", "oddDays"};

constexpr std::array<std::pair<EventKind, const char*>, 4> kKindNames = {{
    {EventKind::ExtraPrincipal, "extra"},
    {EventKind::LumpSum, "lump"},
    {EventKind::RateChange, "rate-change"},
    {EventKind::InterestOnly, "interest-only"},
}};

// A file that reads as JSON but says something the program cannot take.
struct Refused {
    std::string reason;
};

Json LoanJson(const AmortEntries& loan) {
    Json json;
    for (std::size_t field = 0; field < kAmortFieldCount; ++field) {
        json[kFieldNames[field]] = loan.texts[field];
    }
    json["frequency"] = loan.optFreq;
    json["exactDays"] = loan.optCalc;
    json["dueDatePair"] = loan.pairListIndex;
    json["fixedPrincipal"] = loan.chkFix;
    json["fullPayout"] = loan.chkBalDue;
    json["numberPayments"] = loan.chkNbrPymts;
    json["style"] = loan.optStyle;
    return json;
}

Json EventJson(const ScheduleEvent& event) {
    Json json;
    for (const auto& [kind, name] : kKindNames) {
        if (kind == event.kind) {
            json["kind"] = name;
        }
    }
    json["from"] = event.from;
    json["to"] = event.to;
    json["amount"] = event.amount;
    json["rate"] = event.annualRate;
    json["keepPayment"] = event.keepPayment;
    return json;
}

// A whole number from `lowest` to `highest`. It is compared as a double, which holds every int
// exactly and any whole number of the file in order, before it is made an int: a number out of
// an int's range would not be one.
int Choice(const Json& json, const char* key, int lowest, int highest) {
    const Json& number = json.at(key);
    if (!number.is_number_integer()) {
        throw Refused{std::string("\"") + key + "\" is not a whole number"};
    }
    const double value = number.get<double>();
    if (value < lowest || value > highest) {
        throw Refused{std::string("\"") + key + "\" is " + number.dump() + ", outside " +
                      std::to_string(lowest) + " to " + std::to_string(highest)};
    }
    return static_cast<int>(value);
}

AmortEntries LoanFrom(const Json& json) {
    AmortEntries loan;
    for (std::size_t field = 0; field < kAmortFieldCount; ++field) {
        loan.texts[field] = json.at(kFieldNames[field]).get<std::string>();
    }
    loan.optFreq = Choice(json, "frequency", 1, static_cast<int>(kFrequencies.size()));
    loan.optCalc = Choice(json, "exactDays", 0, 1);
    loan.pairListIndex = Choice(json, "dueDatePair", -1, 3);
    loan.chkFix = Choice(json, "fixedPrincipal", 0, 1);
    loan.chkBalDue = Choice(json, "fullPayout", 0, 1);
    loan.chkNbrPymts = Choice(json, "numberPayments", 0, 1);
    loan.optStyle = Choice(json, "style", kColumnarNoGrid, kSummaryOnly);
    return loan;
}

ScheduleEvent EventFrom(const Json& json) {
    ScheduleEvent event;
    const std::string kind = json.at("kind").get<std::string>();
    bool known = false;
    for (const auto& [value, name] : kKindNames) {
        if (kind == name) {
            event.kind = value;
            known = true;
        }
    }
    if (!known) {
        throw Refused{"an event of the unknown kind \"" + kind + "\""};
    }
    event.from = Choice(json, "from", 0, kMaximumTermMonths * 2);
    event.to = Choice(json, "to", 0, kMaximumTermMonths * 2);
    event.amount = json.at("amount").get<double>();
    event.annualRate = json.at("rate").get<double>();
    event.keepPayment = json.at("keepPayment").get<bool>();
    return event;
}

std::vector<Scenario> ScenariosFrom(const Json& json) {
    if (!json.is_object() || !json.contains("format") || json["format"] != kFormat) {
        throw Refused{"it is not a Quorvia comparison"};
    }
    if (json.at("version") != kVersion) {
        throw Refused{"it was written by a later version of Quorvia"};
    }
    const Json& columns = json.at("scenarios");
    if (!columns.is_array() || columns.empty() || columns.size() > kMostScenarios) {
        throw Refused{"a comparison has one to " + std::to_string(kMostScenarios) + " scenarios"};
    }
    std::vector<Scenario> scenarios;
    for (const Json& column : columns) {
        Scenario scenario{LoanFrom(column.at("loan")), {}};
        for (const Json& event : column.at("events")) {
            scenario.events.push_back(EventFrom(event));
        }
        // The checks a typed event passes; those against the loan's term come with Compare.
        if (std::optional<EventProblem> problem =
                FindEventProblem(scenario.events, kMaximumTermMonths * 2)) {
            throw Refused{problem->message};
        }
        scenarios.push_back(std::move(scenario));
    }
    return scenarios;
}

}  // namespace

std::string ComparisonText(const std::vector<Scenario>& scenarios) {
    Json json;
    json["format"] = kFormat;
    json["version"] = kVersion;
    json["scenarios"] = Json::array();
    for (const Scenario& scenario : scenarios) {
        Json events = Json::array();
        for (const ScheduleEvent& event : scenario.events) {
            events.push_back(EventJson(event));
        }
        json["scenarios"].push_back({{"loan", LoanJson(scenario.loan)}, {"events", events}});
    }
    return json.dump(2) + "\n";
}

std::optional<std::vector<Scenario>> ReadComparisonText(std::string_view text,
                                                        std::string& problem) {
    try {
        return ScenariosFrom(Json::parse(text));
    } catch (const Refused& refused) {
        problem = refused.reason;
    } catch (const Json::parse_error&) {
        problem = "it is not a Quorvia comparison";
    } catch (const Json::out_of_range&) {
        problem = "a value a comparison needs is missing";
    } catch (const Json::exception&) {
        problem = "a value in it is of the wrong kind";
    }
    return std::nullopt;
}

std::optional<RunError> SaveComparison(const std::filesystem::path& path,
                                       const std::vector<Scenario>& scenarios) {
    return WriteFileAtomically(path, ComparisonText(scenarios));
}

std::optional<std::vector<Scenario>> OpenComparison(const std::filesystem::path& path,
                                                    std::string& problem) {
    std::string bytes;
    if (std::optional<RunError> error =
            ReadInputFile(path, kComparisonFileLimit, "comparison file", bytes)) {
        problem = error->description;
        return std::nullopt;
    }
    std::string reason;
    std::optional<std::vector<Scenario>> scenarios = ReadComparisonText(bytes, reason);
    if (!scenarios) {
        problem = path.filename().string() + " cannot be opened: " + reason + ".";
    }
    return scenarios;
}

}  // namespace quorvia
