#include "input_mode.h"

QList<Quantity> InputsOf(InputMode mode, SaturationInput saturationInput) {
    switch (mode) {
        case InputMode::ByPT: return {Quantity::Pressure, Quantity::Temperature};
        case InputMode::ByPH: return {Quantity::Pressure, Quantity::Enthalpy};
        case InputMode::Saturation:
            switch (saturationInput) {
                case SaturationInput::ByPs: return {Quantity::Pressure};
                case SaturationInput::ByTs: return {Quantity::Temperature};
            }
    }
    return {};
}
