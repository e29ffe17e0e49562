#include "common/val.h"

#include <gtest/gtest.h>

namespace {

TEST(Val, ReadsTheLeadingNumberLeniently) {
    const std::vector<std::pair<QString, double>> cases = {
        {QStringLiteral("3"), 3},     {QStringLiteral("3x"), 3},    {QString(), 0},
        {QStringLiteral(" 7"), 7},    {QStringLiteral("2.5"), 2.5}, {QStringLiteral("abc"), 0},
        {QStringLiteral("-4"), -4},   {QStringLiteral("12 3"), 12}, {QStringLiteral(".5"), 0.5},
        {QStringLiteral("1e2"), 100}, {QStringLiteral("1e"), 1},    {QStringLiteral("05"), 5},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(pentarix::Val(text), value) << text.toStdString();
}

} // namespace
