#pragma once
// Names parameterised tests after the `name` member of their case.

#include <gtest/gtest.h>

#include <string>

namespace tessavik {

struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& test) const {
        return test.param.name;
    }
};

}  // namespace tessavik
