#include "common/EmployerHandOver.h"

#include "platform/basic/RuntimeError.h"
#include "platform/data/Errors.h"

namespace {

// The source of the one employer screen that exists.
struct Offer {
    const void* owner = nullptr;
    std::function<EmployerHandOver()> source;
};

Offer& CurrentOffer() {
    static Offer offer;
    return offer;
}

constexpr const char* kEmployerRowSource = "frmEmployersDE.datEmployers";

} // namespace

void OfferEmployerHandOver(const void* owner, std::function<EmployerHandOver()> source) {
    CurrentOffer() = {owner, std::move(source)};
}

void WithdrawEmployerHandOver(const void* owner) {
    if (CurrentOffer().owner == owner) CurrentOffer() = {};
}

EmployerHandOver CurrentEmployer() {
    const Offer& offer = CurrentOffer();
    return offer.source ? offer.source() : EmployerHandOver{};
}

data::Recordset& EmployerRowOf(const EmployerHandOver& employer) {
    if (!employer.Row) basic::Raise(basic::errObjectNotSet, kEmployerRowSource);
    return *employer.Row;
}

void RequireEmployerRow(const EmployerHandOver& employer) {
    if (!employer.OnRow) basic::Raise(data::errNoCurrentRecord, kEmployerRowSource);
}
