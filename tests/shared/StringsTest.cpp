#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "shared/Strings.h"

using namespace kestrowa;

// PaddedDecimal and PaddedInteger stand in for Format for every figure; any other digit would be
// a wrong figure.
TEST(Strings, FixedAndWholeWriteWhatFormatWrites) {
    std::vector<double> values = {0.0,  -0.0, 0.125, 0.375, 2.675, 1.005, 99999.995, 1e20, -3.5, 1e-9, 744.0,
                                  0.05, -0.005f, 0.015f, 1e15, 1e15f, 3e38, 9.995f, 1e300};
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        // Floats of every size the tables hold, and doubles from their sums.
        const float f = static_cast<float>(random() % 100000000) / static_cast<float>(1 + random() % 1000);
        values.push_back(f);
        values.push_back(static_cast<double>(f) * 0.041666668f);
    }
    for (const double v : values)
        for (const int width : {0, 5, 7, 8})
            for (const int decimals : {0, 1, 2}) ASSERT_EQ(PaddedDecimal(v, width, decimals), Format("%*.*f", width, decimals, v)) << v;
    for (const long long n : {0LL, 7LL, -7LL, 12345LL, 123456LL, -2147483648LL, 9223372036854775807LL})
        for (const int width : {0, 4, 5}) EXPECT_EQ(PaddedInteger(n, width), Format("%*lld", width, n));
}
