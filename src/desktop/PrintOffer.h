#pragma once
#include <QString>

class QPrinter;

namespace printing {
struct PrintDocument;
}

namespace desktop {

class PrintChoice;

// What the program does with a finished printout: renders it to a PDF and
// offers it in the print dialog, where the user picks a printer or printing
// to a PDF file (the dialog starts on the choice made last, and proposes a
// file named after the document and the employer, in the printouts folder
// or the folder chosen last). A PDF file written is named in a message box,
// and so is a failure.
void OfferPrint(const printing::PrintDocument& document, PrintChoice& lastChoice);

// Sends a rendered PDF where the dialog's printer points: copied to the
// chosen file when printing to a PDF file (a file of that name is replaced
// only by a whole copy, and stays as it was otherwise), otherwise handed to the system's
// print spooler for that printer, asking it for Letter paper without scaling
// whatever the printer's default. False with the reason in `error`; for a
// file, its path and the cause ("Cannot write <path>: Disk full", "...: Device
// I/O error").
bool DeliverPdf(const QString& pdfPath, const QPrinter& printer, QString* error);

} // namespace desktop
