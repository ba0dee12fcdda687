// Runs one checked step of a script.
#pragma once

#include "script/driver_context.h"
#include "script/script_parser.h"

namespace viewer::script {

enum class StepOutcome { Continue, Quit };

// Fails by throwing StepFailure.
StepOutcome RunStep(DriverContext& context, const Step& step);

}  // namespace viewer::script
