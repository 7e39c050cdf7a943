#include "shell/RegisterScreens.h"

#include "employers/frmEmployersDE.h"
#include "employers/frmPaidPreparer.h"
#include "employers/frmPrintLists.h"
#include "platform/forms/Screens.h"
#include "returns/f941/frmDet941Covid0621.h"
#include "returns/f941_2020/frmDet941Covid.h"
#include "returns/f941_early/frmDet941.h"
#include "returns/f941_early/frmDet9412.h"
#include "returns/f944/frmDet944Covid.h"
#include "returns/f944_early/frmdet944.h"
#include "shell/frm941MainScreen.h"
#include "shell/frmStartup.h"
#include "utilities/convertw2.h"
#include "utilities/frm941UtilityMenu.h"
#include "utilities/frmBackup.h"
#include "utilities/frmImportW2.h"
#include "utilities/frmW2UtilityMenu.h"

// One line per screen; each subsystem adds its screens here as they land.
void RegisterScreens() {
    forms::RegisterScreen<frmStartup>("frmStartup");
    forms::RegisterScreen<frm941MainScreen>("frm941MainScreen");
    forms::App().SetMainMenu("frm941MainScreen");
    forms::RegisterScreen<frm941UtilityMenu>("frm941UtilityMenu");
    forms::RegisterScreen<frmW2UtilityMenu>("frmW2UtilityMenu");
    forms::RegisterScreen<frmBackup>("frmBackup");
    forms::RegisterScreen<convertw2>("convertw2");
    forms::RegisterScreen<frmImportW2>("frmImportW2");
    forms::RegisterScreen<frmEmployersDE>("frmEmployersDE");
    forms::RegisterScreen<frmDet941Covid0621>("frmDet941Covid0621");
    forms::RegisterScreen<frmDet944Covid>("frmDet944Covid");
    forms::RegisterScreen<frmDet941Covid>("frmDet941Covid");
    forms::RegisterScreen<frmDet941>("frmDet941");
    forms::RegisterScreen<frmDet9412>("frmDet9412");
    forms::RegisterScreen<frmdet944>("frmdet944");
    forms::RegisterScreen<frmPaidPreparer>("frmPaidPreparer");
    forms::RegisterScreen<frmPrintLists>("frmPrintLists");
}
