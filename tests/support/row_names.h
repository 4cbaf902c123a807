#pragma once

// Rows of a parameterised test named after their own description, so that
// a failing row says which: "the 1SA question" runs as "the_1SA_question".

#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct NamedRows {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        std::string name = info.param.name;
        for (char& ch : name) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) != 0 ? ch : '_';
        }
        return name;
    }
};
