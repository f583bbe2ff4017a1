// Names the cases of a parameterised test after the `name` of their table row.
#pragma once

#include <string>

#include <gtest/gtest.h>

namespace testsupport {

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace testsupport
