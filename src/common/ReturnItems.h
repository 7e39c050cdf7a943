#pragma once
// The items every return printout prints alike, from the run's employer and
// preparer texts and the employer's hand-over: the employer's name and
// address on page 1, the designee, signer and paid preparer on page 3, and
// the payment voucher. Each returns false for an item it does not print.
#include "common/EmployerHandOver.h"
#include "common/ReturnPrintRun.h"

#include <functional>
#include <string>

// Page 1, items 2 to 7.
bool StoreEmployerItem(ReturnPrintRun& run, short fieldNo);

// Page 3, items 53 to 70; firmZip shapes the firm's ZIP as the form wants it.
bool StoreSignatureItem(ReturnPrintRun& run, const EmployerHandOver& employer, short fieldNo,
                        std::string (*firmZip)(const std::string& zip));

// The voucher, items 71 to 80: the period code's first character marks the
// quarter's box; balanceDue gives the amount the voucher pays.
void StoreVoucherItem(ReturnPrintRun& run, const std::string& periodCode,
                      const std::function<std::string()>& balanceDue, short fieldNo);
