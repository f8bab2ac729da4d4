#pragma once

#include <QFont>

#include "desktop/window_design.h"

// The typefaces the windows were designed with. Where one is missing, a face of the same kind
// takes its place at the same size and weight.
namespace quillbat::qt {

QFont designedFont(const FontDesign& design);

}  // namespace quillbat::qt
