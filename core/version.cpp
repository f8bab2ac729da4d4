#include "core/version.h"

namespace quillbat {

std::string_view programVersion() {
    return QUILLBAT_VERSION;
}

}  // namespace quillbat
