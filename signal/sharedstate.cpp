// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal/sharedstate.h"

bool IsPresetCode(PresetKind kind)
{
    switch (kind) {
    case PresetKind::Free:
    case PresetKind::Square:
    case PresetKind::Triangle:
    case PresetKind::HalfWave:
    case PresetKind::FullWave:
    case PresetKind::ThreePulse:
        return true;
    case PresetKind::None:
        break;
    }
    return false;
}

bool IsFilterCode(FilterKind kind)
{
    switch (kind) {
    case FilterKind::Amplifier:
    case FilterKind::LowPass1:
    case FilterKind::HighPass1:
    case FilterKind::LowPass2:
    case FilterKind::HighPass2:
    case FilterKind::BandPass:
    case FilterKind::BandStop:
        return true;
    case FilterKind::None:
        break;
    }
    return false;
}
