#pragma once
// The 22 entry fields of the employer screen as data: the column each one
// shows, the label beside it, its mask and length, where it stands and where
// Enter sends the focus next.

#include <string>
#include <vector>

struct EmployerFieldRow {
    std::string control; // the masked field's name
    std::string column;  // the Employers column it is bound to
    std::string label;   // the caption beside it ("" when it continues the line above)
    int width;           // characters it holds
    std::string mask;
    std::string nextOnEnter; // the next field of the Enter chain
    int row;                 // screen row, from the top (1 is the employer number)
    long labelLeft;          // twips
    long left;               // twips
    long fieldWidth;         // twips
};

// The fields in tab order (that of the Employers columns).
const std::vector<EmployerFieldRow>& EmployerFieldTable();

// ">" followed by `places` times "C": any characters, letters in capitals.
std::string UpperTextMask(int places);
