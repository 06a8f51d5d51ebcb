#include "core/schedule/AmortInputs.h"

namespace quorvia {

const PaymentFrequency& FrequencyOf(int index) {
    if (index < 1 || index > static_cast<int>(kFrequencies.size())) {
        return kFrequencies[0];
    }
    return kFrequencies[index - 1];
}

std::string_view FrequencyStatusText(int index) {
    switch (index) {
        case kBiWeekly:
            return "Select for payments to be made every two weeks";
        case kSemiMonthly:
            return "Select for two payments to be made each calendar month";
        default:
            return "Select the frequency of scheduled loan payments for this loan";
    }
}

void ApplyFrequency(AmortInputs& inputs, int frequencyIndex) {
    const PaymentFrequency& frequency = FrequencyOf(frequencyIndex);
    inputs.PaymentsPerYear = static_cast<int16_t>(frequency.paymentsPerYear);
    inputs.FrequencyName = std::string(frequency.name);
    inputs.DateInterval = std::string(frequency.dateInterval);
    inputs.DateIntervalCount = static_cast<int16_t>(frequency.dateIntervalCount);
    inputs.PeriodicRate = inputs.AnnualRate / inputs.PaymentsPerYear;
}

}  // namespace quorvia
