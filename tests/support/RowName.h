#pragma once

#include <gtest/gtest.h>

#include <string>

namespace xkr::test {

// Names a parameterised case after the `name` member of its row.
struct RowName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& row) const {
        return row.param.name;
    }
};

}  // namespace xkr::test
