#include "utilities/frm941UtilityMenu.h"

frm941UtilityMenu::frm941UtilityMenu()
    : UtilityMenu("frm941UtilityMenu",
                  {
                      .caption = "Tavrilo 941/944 Utility Menu",
                      .backupToolTip = "Backup and/or Restore Employer, and 941 Dollar data.",
                      .convertCaption = "Convert Employer  Data from DOS ",
                      .convertToolTip = "Convert Employer name and address data from Tavrilo W-2 for DOS. "
                                        "Requires a  backup diskette containing Employer information.",
                      .importCaption = "Import Prior Year's Windows Data",
                      .importToolTip = "Import last year's Employer  name and address information and current "
                                       "year's 1st Quarter Form 941 data  from last year's Tavrilo 941 for Windows ",
                      .convertTitle = "Tavrilo 941 Conversion from DOS",
                      .diskTitle = "Tavrilo W-2 for DOS Conversion",
                      .errorTitle = "Tavrilo 941 Conversion Conversion from DOS",
                  }) {}
