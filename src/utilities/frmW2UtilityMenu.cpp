#include "utilities/frmW2UtilityMenu.h"

namespace {
const char* const kDosTitle = "Tavrilo W-2 for DOS Conversion";
}

frmW2UtilityMenu::frmW2UtilityMenu()
    : UtilityMenu("frmW2UtilityMenu",
                  {
                      .caption = "Tavrilo 941 Utility Menu",
                      .backupToolTip = "Backup and/or Restore Employer, Employee, and Dollar data.",
                      .convertCaption = "Convert Employer / Employee Data",
                      .convertToolTip = "Convert Employer and Employee name and address data from Tavrilo W-2 for "
                                        "DOS. Requires a  backup diskette containing Employer/Employee information.",
                      .importCaption = "Import Prior Year's Data",
                      .importToolTip = "Import last year's Employer / Employee name and address information and "
                                       "1st Quarter 2002 941 data from last year's  Tavrilo 941 for Windows ",
                      .convertTitle = kDosTitle,
                      .diskTitle = kDosTitle,
                      .errorTitle = kDosTitle,
                  }) {}
