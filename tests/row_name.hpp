// SPDX-License-Identifier: MIT
// Names the rows of a table-driven test after their `name` field, so that a failure says which
// case broke ("Examples/AcceptedInput.BuildsTheExpectedMatrices/reverse_key_reverses_rows").
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace cipher::testing {

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

} // namespace cipher::testing
