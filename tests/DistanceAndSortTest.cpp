// Distance and the three-array heap sort with its two child rules.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "engine/Distance.h"
#include "engine/HeapSort.h"

namespace kiv {
namespace {

using ::testing::ElementsAreArray;

TEST(Distance, IsEuclideanAndSymmetric) {
    EXPECT_EQ(Distance(0, 0, 3, 4), 5);
    EXPECT_EQ(Distance(3, 4, 0, 0), 5);
    EXPECT_EQ(Distance(7.25, -2, 7.25, -2), 0);
    EXPECT_EQ(Distance(1, 1, 2, 2), std::sqrt(2.0));
}

struct SortCase {
    const char* name;
    std::int32_t NN;
    std::vector<double> keys, companions;
    std::vector<double> sortedKeys, sortedCompanions;
    friend void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }
};

class HeapSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(HeapSort, SortsKeysAndMovesBothCompanionsAlong) {
    const SortCase& c = GetParam();
    std::vector<double> s1 = c.keys, s2 = c.companions, s3 = c.companions;
    for (double& v : s3) v = -v;

    hSort(c.NN, s1, s2, s3);

    EXPECT_THAT(s1, ElementsAreArray(c.sortedKeys));
    EXPECT_THAT(s2, ElementsAreArray(c.sortedCompanions));
    for (std::size_t k = 0; k < s2.size(); ++k) EXPECT_EQ(s3[k], -s2[k]) << "record " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeapSort,
    ::testing::Values(
        // Building takes the left child on ties, sorting the right one.
        SortCase{"TieBreaksOfBothPhases",
                 5,
                 {1, 2, 2, 3, 3},
                 {1, 2, 3, 4, 5},
                 {1, 2, 2, 3, 3},
                 {1, 2, 3, 5, 4}},
        SortCase{"AllEqual", 3, {7, 7, 7}, {1, 2, 3}, {7, 7, 7}, {2, 3, 1}},
        SortCase{"TwoEqualSwap", 2, {4, 4}, {1, 2}, {4, 4}, {2, 1}},
        SortCase{"TwoDescending", 2, {5, 1}, {1, 2}, {1, 5}, {2, 1}},
        SortCase{"TwoAscending", 2, {1, 5}, {1, 2}, {1, 5}, {1, 2}},
        SortCase{"One", 1, {9, 3}, {1, 2}, {9, 3}, {1, 2}},
        SortCase{"Zero", 0, {9, 3}, {1, 2}, {9, 3}, {1, 2}},
        SortCase{"Negative", -32767, {9, 3}, {1, 2}, {9, 3}, {1, 2}},
        SortCase{
            "EntryAtNNUntouched", 3, {3, 2, 1, -100}, {1, 2, 3, 4}, {1, 2, 3, -100}, {3, 2, 1, 4}},
        SortCase{"Reversed",
                 6,
                 {6, 5, 4, 3, 2, 1},
                 {1, 2, 3, 4, 5, 6},
                 {1, 2, 3, 4, 5, 6},
                 {6, 5, 4, 3, 2, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeapSort, RejectsArraysShorterThanTheRecordCount) {
    std::vector<double> s1(3), s2(3), s3(2);
    EXPECT_THROW(hSort(3, s1, s2, s3), std::out_of_range);
    EXPECT_NO_THROW(hSort(2, s1, s2, s3));
}

TEST(HeapSort, SortsLongListsAscending) {
    std::vector<double> s1, s2, s3;
    for (int k = 0; k < 2001; ++k) {
        s1.push_back((k * 7919) % 2003 / 3.0);
        s2.push_back(k);
        s3.push_back(k);
    }
    const std::vector<double> original = s1;
    hSort(2001, s1, s2, s3);
    EXPECT_TRUE(std::is_sorted(s1.begin(), s1.end()));
    for (std::size_t k = 0; k < s1.size(); ++k)
        EXPECT_EQ(s1[k], original[static_cast<std::size_t>(s2[k])]);
}

}  // namespace
}  // namespace kiv
