#pragma once
#include <QString>

class QPrinter;

namespace printing {
struct PrintDocument;
}

namespace desktop {

// What the user chose in the print dialog last, within this run of the
// program: each print dialog starts on the same printer, or on printing to
// a PDF file, and proposes its file in the folder chosen last; the file's
// name stays the printout's own.
class PrintChoice {
public:
    // Before the dialog is made: the file it proposes, and the printer it
    // starts on (none chosen yet: the system's default).
    void Prepare(QPrinter& printer, const printing::PrintDocument& document) const;
    // Once the dialog is made (it sets the printer to the one it starts
    // on): printing to a file, when that was the last choice.
    void StartOnFile(QPrinter& printer) const;
    // Keeps what the dialog was left on when the user printed.
    void Remember(const QPrinter& printer);

private:
    bool toFile_ = false;
    QString printer_; // empty: the system's default
    QString folder_;  // empty: the printouts folder
};

} // namespace desktop
