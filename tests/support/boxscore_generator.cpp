#include "tests/support/boxscore_generator.h"

#include "tests/support/boxscore_layout.h"
#include "tests/support/game_plan.h"

namespace quillbat::testing {

std::string generateBoxscore(std::uint32_t seed, const GeneratorOptions& options) {
    return layOutBoxscore(planGame(seed, options.layout), options.layout);
}

}  // namespace quillbat::testing
