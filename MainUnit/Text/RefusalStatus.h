// A refusal told in the status line rather than in a box (a gesture or a
// quiet repaint that cannot draw): a short text that fits the line, the
// whole message in its detail.
#pragma once

#include "MainUnit/Text/ExpressionStatus.h"
#include "MainUnit/Text/Refusal.h"

namespace MainUnit {

// The refusals a repaint can meet have a short text of their own; any other
// is its whole message. BoundingRadius as for RefusalMessage.
TStatusText RefusalStatus(TRefusal Refusal, double BoundingRadius = 0.0);

}  // namespace MainUnit
