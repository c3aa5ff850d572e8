#pragma once

#include <gtest/gtest.h>

#include <string>

// Names a row of a case table after its name field, for INSTANTIATE_TEST_SUITE_P.
struct CaseName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};
