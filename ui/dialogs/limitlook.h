#pragma once
// A figure's state against its limit in colour: as it is within the limit,
// on amber near it, white on red past it.

#include "overtime.h"

class QWidget;

namespace zentak {

void colourByLimitState(QWidget *figure, LimitState state);

} // namespace zentak
