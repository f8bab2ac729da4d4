#include "tools/boxscore_generator.h"

#include "tools/boxscore_layout.h"
#include "tools/game_plan.h"

namespace quillbat::generator {

std::string generateBoxscore(std::uint32_t seed, const GeneratorOptions& options) {
    return layOutBoxscore(planGame(seed, options.layout), options.layout);
}

}  // namespace quillbat::generator
