#pragma once
#include <QString>

#include <string>

namespace printing {
struct PrintDocument;
}

namespace desktop {

// The folder, under the program's folder, where the print dialog proposes
// to save printouts as PDF files.
inline constexpr const char* kPrintoutsFolder = "printouts";

// The PDF file the print dialog proposes for a printout: in the printouts
// folder (created when missing), named after the document's title (without
// its leading "Print ") and, for a printout of one employer, the employer's
// name as the printing screen shows it ("Form 941 - Schedule A - ACME
// TOOLS.pdf"). Characters a file name cannot hold become "-".
QString ProposedPdfPath(const printing::PrintDocument& document);

// The file name part for a document title and an employer name ("" for none).
QString PrintoutFileName(const std::string& title, const std::string& employerName);

} // namespace desktop
