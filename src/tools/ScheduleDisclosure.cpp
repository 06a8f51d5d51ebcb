#include "tools/ScheduleDisclosure.h"

#include <ostream>

#include "core/base/EntryNumbers.h"
#include "core/base/NumberText.h"
#include "core/disclosure/DisclosureModel.h"

namespace quorvia {

std::optional<DisclosureRequest> ParseDisclosureOptions(const BatchOptions& options,
                                                        std::string& error) {
    if (!options.Has("--disclosure")) {
        if (options.Has("--prepaid")) {
            error = "--prepaid goes with --disclosure";
        }
        return std::nullopt;
    }
    DisclosureRequest request;
    if (options.Has("--prepaid")) {
        std::optional<double> prepaid = AmountValue(options.Value("--prepaid", ""));
        if (!prepaid || *prepaid < 0) {
            error = "--prepaid must be an amount of zero or more, such as 1500";
            return std::nullopt;
        }
        request.prepaid = *prepaid;
    }
    return request;
}

namespace {

DisclosureModel Disclosure(const DisclosureRequest& request, const AmortInputs& loan,
                           const Schedule& schedule) {
    DisclosureModel disclosure(loan, schedule);
    disclosure.prepaidCharges = {{"Prepaid finance charges", request.prepaid}};
    return disclosure;
}

}  // namespace

std::string PrepaidProblem(const DisclosureRequest& request, const AmortInputs& loan) {
    std::optional<std::string> wrong = Disclosure(request, loan, Schedule{}).PrepaidChargesError();
    return wrong ? "--prepaid: " + *wrong : std::string();
}

int PrintDisclosure(const DisclosureRequest& request, const AmortInputs& loan,
                    const Schedule& schedule, std::ostream& out, std::ostream& err) {
    DisclosureModel disclosure = Disclosure(request, loan, schedule);
    if (std::optional<std::string> refusal = disclosure.Compute()) {
        err << "quorvia-batch schedule: " << *refusal << "\n";
        return kExitFailure;
    }
    const DisclosureFigures& figures = disclosure.Figures();
    out << "apr=" << FormatNumber(figures.annualPercentageRate, "0.0000") << "\n"
        << "finance_charge=" << FormatNumber(figures.financeCharge, "0.00") << "\n"
        << "amount_financed=" << FormatNumber(figures.amountFinanced, "0.00") << "\n"
        << "total_of_payments=" << FormatNumber(figures.totalOfPayments, "0.00") << "\n"
        << "note_rate=" << FormatNumber(disclosure.NoteRate(), "0.0000") << "\n";
    for (const std::string& line : disclosure.PaymentSchedule()) {
        out << "payment_schedule=" << line << "\n";
    }
    return kExitSuccess;
}

}  // namespace quorvia
