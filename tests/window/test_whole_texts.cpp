// Every edit shows the widest texts it gets whole, without scrolling: a number
// cut at its start reads as another number. Run at scale factor 1 and, by
// ctest, 1.5.

#include "form_fixture.h"
#include "text_fit.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <vector>

namespace {

// The widest texts per field, from each edit's format and the values found
// over p 0.0005-100 MPa, t 0-2000 °C (800 °C above 50 MPa), h and s between
// those of these temperatures, ps 0.00087-21.82 MPa
// and ts 0.01-373.946 °C; the isentropic exponent of a liquid at the lowest
// pressures runs into millions. The fixed format turns to its short scientific form
// where cp and Pr grow without bound near the critical point.
struct Field {
    std::vector<const char*> edits;
    QStringList widest;
};

// clang-format off
const Field fields[] = {
    // typed values: the digits of the ranges' bounds
    {{"Lb_P"}, {"22.064", "0.0005"}},
    {{"Lb_T", "LB_Ts"}, {"373.946"}},
    {{"Lb_h"}, {"3615.00", "7376.98"}},
    {{"LB_Ps"}, {"21.8199", "0.00087"}},
    {{"LB_PRes"}, {"50.0000", "10.4465", "100.0000"}},
    {{"LB_TRes"}, {"651.0", "100.8", "2000.0"}},
    {{"Lb_hRes"}, {"3802.35", "2520.00", "7376.98"}},
    {{"LB_VRES"}, {"2.521E+02", "1.000E-03"}},
    {{"LB_RoRes"}, {"1000.0016", "999.7998", "1000.00"}},
    {{"LB_SRes"}, {"10.000", "0.036", "13.998"}},
    {{"LB_CpRes"}, {"107764.000", "2.80968E+008", "1.07471E+006"}},
    {{"LB_MuRes"}, {"9.219E-06", "1.653E-03"}},
    {{"LB_NuRes"}, {"2.324E-03", "1.653E-06"}},
    {{"LB_LRes"}, {"0.5669", "0.0165"}},
    {{"LB_PrRes"}, {"5298.00", "1.366E+07"}},
    {{"LB_PsResS", "LB_PsResSS"}, {"21.820", "10.0000"}},
    {{"LB_TsResS", "LB_TsResSS"}, {"373.95", "100.22"}},
    {{"LB_hS", "LB_hSS"}, {"2803.3", "1009.5"}},
    {{"LB_SpS", "LB_SpSS"}, {"9.155", "0.090"}},
    {{"LB_VudS", "LB_VudSS"}, {"1.470E+02", "1.000E-03"}},
    {{"LB_RoS", "LB_RoSS"}, {"999.90", "105.32"}},
    {{"LB_CpS", "LB_CpSS"}, {"102205.000", "1.20089E+006", "1.11944E+006"}},
    {{"LB_LmbS", "LB_LmbSS"}, {"0.5713", "NAN"}},
    {{"LB_MiuS", "LB_MiuSS"}, {"1.474E-03", "9.382E-06"}},
    {{"LB_NiuS", "LB_NiuSS"}, {"1.297E-03", "1.474E-06"}},
    {{"LB_PrS", "LB_PrSS"}, {"101.1600", "100.500"}},
    {{"LB_SIGMA", "LB_Sigma1"}, {"7.475E-02"}},
    {{"Lb_S"}, {"9.1555", "13.9976"}},
    {{"Lb_X"}, {"0.9999"}},
    {{"LB_URes"}, {"3391.92", "6327.86"}},
    {{"LB_CvRes"}, {"4.639"}},
    {{"LB_WRes"}, {"1648.2"}},
    {{"LB_KRes"}, {"1.9674E+006", "2.3469E+005"}},
    {{"LB_US", "LB_USS"}, {"2014.6", "2603.3"}},
    {{"LB_CvS", "LB_CvSS"}, {"4.657"}},
    {{"LB_WS", "LB_WSS"}, {"1557.7"}},
};
// clang-format on

using WholeTexts = FormTest;

TEST_F(WholeTexts, WidestTextsOfEveryEditFitItsTextRoom) {
    form.ensurePolished();
    EXPECT_EQ(QFontInfo(ui.LB_CpRes->font()).family(), "Liberation Sans") << "the face the layout was drawn for";
    int edits = 0;
    for (const Field& field : fields)
        for (const char* name : field.edits) {
            auto* edit = form.findChild<QLineEdit*>(name);
            ASSERT_NE(edit, nullptr) << name;
            ++edits;
            for (const QString& text : field.widest) {
                SCOPED_TRACE(std::string(name) + " " + text.toStdString());
                edit->setText(text);
                EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(text), textRoom(edit));
                // Drawn, the edit has not scrolled: its first character is at its left end.
                edit->grab();
                EXPECT_EQ(edit->cursorPositionAt(QPoint(0, edit->height() / 2)), 0);
            }
        }
    EXPECT_EQ(edits, 7 + 15 + 2 * 15);
}

TEST_F(WholeTexts, OnlyATextTooWideIsNarrowed) {
    form.ensurePolished();
    const QString designed = "4.184";
    const int designedWidth = QFontMetrics(ui.LB_CpRes->font()).horizontalAdvance(designed);
    ui.LB_CpRes->setText("2.80968E+008");
    EXPECT_LT(QFontMetrics(ui.LB_CpRes->font()).horizontalAdvance(designed), designedWidth);
    ui.LB_CpRes->setText(designed);
    EXPECT_EQ(QFontMetrics(ui.LB_CpRes->font()).horizontalAdvance(designed), designedWidth);
}

}  // namespace
