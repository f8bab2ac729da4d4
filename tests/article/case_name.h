#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quillbat {

// Names a parameterised case after the `name` member of its case struct.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

}  // namespace quillbat
