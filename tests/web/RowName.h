#pragma once

#include <gtest/gtest.h>

#include <string>

namespace skyvarre::test {

// Names a row of a GoogleTest table after its own name field.
template <class Row> std::string rowName(const ::testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

} // namespace skyvarre::test
