// Names parameterised tests after the `name` field of their row.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

}  // namespace testing_support
