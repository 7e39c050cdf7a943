// The Form 941 screen's part in the frame's record commands.

#include "returns/f941/frmDet941Covid0621.h"

std::vector<forms::Control*> frmDet941Covid0621::FieldsClosedWithoutRow() {
    return {&Check1,   &Check2,   &mskNo_Employee, &fpLine2,   &fpLine3,   &fpLine6A,  &fpLine6c,  &fpLine7A,
            &fpLine9B, &fpLine9A, &fpLine9C,       &fpLine5d1, &fpLine14,  &fpLine17A, &fpLine17B, &fpLine17C};
}

std::vector<forms::Control*> frmDet941Covid0621::FieldsAddEnables() {
    return {&Check1,   &mskNo_Employee, &fpLine2,   &fpLine3,   &fpLine6A, &fpLine6c,
            &fpLine7A, &Check2,         &fpLine9A,  &fpLine9B,  &fpLine9C, &fpLine5d1,
            &fpLine12, &fpLine14,       &fpLine17A, &fpLine17B, &fpLine17C};
}

void frmDet941Covid0621::AfterAddCopiedKey() { MaskEdBox2.SetText("0"); }
