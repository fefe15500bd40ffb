// SPDX-License-Identifier: MIT
// Names the rows of a table-driven test after their `name` field, so that a failure says which
// case broke ("Examples/AcceptedInput.BuildsTheExpectedMatrices/reverse_key_reverses_rows"). A
// test's name holds only letters, digits and underscores: "Text2(0)" is named "Text2_0_".
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace cipher::testing {

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        std::string name(info.param.name);
        for (char& c : name) {
            const bool letterOrDigit =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!letterOrDigit) {
                c = '_';
            }
        }
        return name;
    }
};

} // namespace cipher::testing
