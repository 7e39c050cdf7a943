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
// folder (created when missing), under the name the printout gave its file
// ("ACME TOOLS - Form 941 2022 Q1.pdf").
QString ProposedPdfPath(const printing::PrintDocument& document);

// The file name part for a printout's own file name, or when it gave none
// its document title without the leading "Print ". Characters a file name
// cannot hold become "-".
QString PrintoutFileName(const std::string& fileName, const std::string& title);

} // namespace desktop
