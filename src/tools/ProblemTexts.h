#pragma once

#include <QString>
#include <cstddef>

#include "Problems.h"

namespace tarvik {

// A kind of problem as the problems window names it.
QString ProblemKindLabel(ProblemKind kind);

// "Problemy: 2 błędy, 5 ostrzeżeń", leaving out a count of none; empty when both are none.
QString ProblemCountText(std::size_t errors, std::size_t warnings);

}  // namespace tarvik
