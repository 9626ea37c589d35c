#include "stop_explanation.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The beginnings of the formulation's messages, each with its explanation.
struct Explanation {
    QString messageStart, sentence;
};

// clang-format off
const Explanation Explanations[] = {
    {u"Вы попали на линию насыщения"_s,
     u"The state lies on the saturation line: give a temperature off the line, or use the (p, h) mode for wet steam."_s},
    {u"ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ОБЛАСТИ МЕТАСТАБИЛЬНОГО ПАРА"_s,
     u"Metastable steam is defined from the saturated-vapour line to the 5 % equilibrium moisture line, up to 10 MPa."_s},
    {u"ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ"_s, u"The pressure and temperature lie outside the range of the formulation."_s},
    {u"ЗАДАННЫЕ T И H ЗА ПРЕДЕЛАМИ"_s, u"No state of the formulation has this temperature and enthalpy."_s},
    {u"ЗАДАННЫЕ T И S ЗА ПРЕДЕЛАМИ"_s, u"No state of the formulation has this temperature and entropy."_s},
    {u"ЗАДАННЫЕ P И V ЗА ПРЕДЕЛАМИ"_s, u"No state of the formulation has this pressure and specific volume."_s},
    {u"ЗАДАННЫЕ T И V ЗА ПРЕДЕЛАМИ"_s, u"No state of the formulation has this temperature and specific volume."_s},
    {u"ЗАДАННЫЕ U И V ЗА ПРЕДЕЛАМИ"_s, u"No state of the formulation has this internal energy and specific volume."_s},
    {u"ЗАДАННЫЕ P И H ЗА ПРЕДЕЛАМИ"_s, u"The pressure and enthalpy lie outside the range of the formulation."_s},
    {u"ЗАДАННЫЕ H И S ЗА ПРЕДЕЛАМИ"_s, u"The enthalpy and entropy lie outside the range of the formulation."_s},
    {u"При данном давлении нет состояния насыщения"_s, u"There is no saturation state at this pressure."_s},
    {u"При данной температуре нет состояния насыщения"_s, u"There is no saturation state at this temperature."_s},
    {u"ЗАДАННЫЕ P И T ВНЕ ОБЛАСТИ ПРИМЕНИМОСТИ ВЯЗКОСТИ"_s,
     u"The state lies outside the range of the IAPWS 2008 viscosity (up to 900 C)."_s},
    {u"ЗАДАННЫЕ P И T ВНЕ ОБЛАСТИ ПРИМЕНИМОСТИ ТЕПЛОПРОВОДНОСТИ"_s,
     u"The state lies outside the range of the IAPWS 2011 thermal conductivity (0 to 900 C, above 800 C up to 50 MPa)."_s},
    {u"УТОЧНИТЕ ФУНКЦИЮ"_s, u"The state lies outside the region of the equation that was asked for it."_s},
};
// clang-format on

}  // namespace

QString ExplanationOfStop(const QString& reason) {
    for (const Explanation& e : Explanations)
        if (reason.startsWith(e.messageStart)) return e.sentence;
    // The iteration limits of the region 3 and (p, h) searches, and anything new.
    return u"The formulation could not compute this state."_s;
}
