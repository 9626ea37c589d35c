#include "input_mode.h"

QList<Quantity> InputsOf(InputMode mode, SaturationInput saturationInput) {
    switch (mode) {
        case InputMode::ByPT: return {Quantity::Pressure, Quantity::Temperature};
        case InputMode::ByPH: return {Quantity::Pressure, Quantity::Enthalpy};
        case InputMode::ByPS: return {Quantity::Pressure, Quantity::Entropy};
        case InputMode::ByPX: return {Quantity::Pressure, Quantity::Dryness};
        case InputMode::ByTX: return {Quantity::Temperature, Quantity::Dryness};
        case InputMode::Saturation:
            switch (saturationInput) {
                case SaturationInput::ByPs: return {Quantity::Pressure};
                case SaturationInput::ByTs: return {Quantity::Temperature};
            }
    }
    return {};
}
