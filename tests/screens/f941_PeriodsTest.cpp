// What each of the five periods does to the Form 941 screen on load: the pay
// period named by line 1 and the lines the form retired.
#include "returns_ScreenFolder.h"

#include "common/ReservedLineLabel.h"

namespace {

class F941Periods : public Form941Folder {
protected:
    // Opens the period on a stored row, so the fields show as the load left them.
    frmDet941Covid0621& Open(const std::string& code, forms::CommandButton frmEmployersDE::*button)
    {
        AddReturnRow(code, "L13h = 7, L13f = 25");
        return OpenPeriod(button);
    }
};

const std::string k11c = ReservedLineCaption({"11c Reserved for future use ", 108, " (11c)"});
const std::string k11e = ReservedLineCaption({"11e Reserved for future use ", 108, " (11e)"});
const std::string k11f = ReservedLineCaption({"11f Reserved for future use ", 108, " (11f)"});
const std::string k13b = ReservedLineCaption({"13b Reserved for future use ", 119, "(13b)"});
const std::string k13d = ReservedLineCaption({"13d Reserved for future use ", 119, "(13d)"});
const std::string k13f = ReservedLineCaption({"13f Reserved for future use ", 119, " (13f)"});
const std::string k13h = ReservedLineCaption({"13h Reserved for future use ", 119, "(13h)"});

TEST_F(F941Periods, RetiredCaptionsAreTheLineLabelStopsAndClosingLabel) {
    EXPECT_EQ(k13b.substr(0, 28), "13b Reserved for future use ");
    EXPECT_EQ(k13b.size(), 28u + 119u + 5u);
    EXPECT_EQ(k13b.substr(28 + 119), "(13b)");
    EXPECT_EQ(k11c.substr(28 + 108), " (11c)");
}

TEST_F(F941Periods, LaterQuarters2022RetireTheCobraLinesButLeave13fOpen) {
    struct Case {
        const char* code;
        forms::CommandButton frmEmployersDE::*button;
        const char* caption;
    };
    const Case cases[] = {
        {"222", &frmEmployersDE::cmdQtr2, "Number of Employees in 6/12 pay period:"},
        {"322", &frmEmployersDE::cmdQtr3, "Number of Employees in 9/12 pay period:"},
        {"422", &frmEmployersDE::cmdQtr4, "Number of Employees in 12/12 pay period:"},
    };
    for (const Case& c : cases) {
        frmDet941Covid0621& form = Open(c.code, c.button);
        EXPECT_EQ(form.Label5(0).Caption(), c.caption);
        EXPECT_EQ(form.lblLine11e.Caption(), k11e) << c.code;
        EXPECT_EQ(form.lblLine11f.Caption(), k11f) << c.code;
        EXPECT_EQ(form.lblLine13f.Caption(), k13f) << c.code;
        EXPECT_EQ(form.lblLine13h.Caption(), k13h) << c.code;
        EXPECT_EQ(Enabled({&form.fpLine11c, &form.fpL12aCobra, &form.MaskEdBox2, &form.fpLine13b, &form.fpLine13d}),
                  "00000")
            << c.code;
        EXPECT_EQ(Enabled({&form.fpLine13f, &form.fpLine13h}), "11") << c.code;
        EXPECT_EQ(form.fpLine13f.Text(), "25") << c.code;
        EXPECT_FALSE(form.Check9.Visible()) << c.code;
        forms::user::Click(form.cmdClose);
    }
}

TEST_F(F941Periods, FirstQuarter2023ClosesLine13fAndShowsTheRecoveryStartupBox) {
    frmDet941Covid0621& form = OpenPeriod(&frmEmployersDE::cmdQtr5, true);
    EXPECT_EQ(form.Label5(0).Caption(), "Number of Employees in 3/12 pay period:");
    for (const auto& [label, caption] : {std::pair{&form.lblLine11c, k11c}, std::pair{&form.lblLine11e, k11e},
                                         std::pair{&form.lblLine11f, k11f}, std::pair{&form.lblLine13b, k13b},
                                         std::pair{&form.lblLine13d, k13d}, std::pair{&form.lblLine13f, k13f},
                                         std::pair{&form.lblLine13h, k13h}}) {
        EXPECT_EQ(label->Caption(), caption) << label->Name();
    }
    EXPECT_EQ(Enabled({&form.fpLine11c, &form.fpL12aCobra, &form.MaskEdBox2, &form.fpLine13b, &form.fpLine13d,
                       &form.fpLine13f}),
              "000000");
    EXPECT_TRUE(form.fpLine13h.Enabled());
    EXPECT_TRUE(form.Check9.Visible());
    EXPECT_TRUE(form.Check9.Enabled());

    forms::user::Click(form.cmdAddNew);
    forms::user::Click(form.Check9);
    EXPECT_EQ(form.Check9.Value(), 1);
}

TEST_F(F941Periods, EachOpeningStartsFromTheDesignCaptions) {
    frmDet941Covid0621& second = Open("222", &frmEmployersDE::cmdQtr2);
    EXPECT_EQ(second.lblLine11e.Caption(), k11e);
    forms::user::Click(second.cmdClose);

    frmDet941Covid0621& first = OpenPeriod(&frmEmployersDE::cmdQtr1, true);
    EXPECT_NE(first.lblLine11e.Caption(), k11e);
    EXPECT_TRUE(first.fpL12aCobra.Enabled());
}

} // namespace
