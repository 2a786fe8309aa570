// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/Errors.h"
#include "data/InflateStream.h"
#include "tests/data/StoredDeflate.h"
#include "tests/support/RawDeflate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillby {
namespace {

using quillby::testing::RawDeflate;
using quillby::testing::StoredStreamOf;
using quillby::testing::StoredStreamOfSize;

std::vector<int> Reports(const std::vector<unsigned char> &stream)
{
    std::vector<int> reports;
    InflateWithProgress({stream.data(), stream.size()},
                        [&](int percent) { reports.push_back(percent); });
    return reports;
}

TEST(ProgressPercent, RoundsHalfToEven)
{
    struct Case {
        unsigned read, total;
        int expected;
    };
    const Case cases[] = {
        {1, 8, 12},    // 12.5 goes down to the even 12
        {27, 200, 14}, // 13.5 goes up to the even 14
        {1, 200, 0},   // 0.5 -> 0
        {3, 200, 2},   // 1.5 -> 2
        {16384, 1063498, 2},
        {32768, 1063498, 3},
        {1063498, 1063498, 100},
        {360448, 361065, 100}, // 99.83 rounds up
    };
    for (const Case &c : cases)
        EXPECT_EQ(ProgressPercent(c.read, c.total), c.expected) << c.read << "/" << c.total;
}

TEST(InflateProgress, WordListSizedStreamReportsOncePerBlock)
{
    const std::vector<int> reports = Reports(StoredStreamOfSize(1063498));
    ASSERT_EQ(reports.size(), 65u);
    const std::vector<int> head(reports.begin(), reports.begin() + 8);
    EXPECT_EQ(head, (std::vector<int>{2, 3, 5, 6, 8, 9, 11, 12}));
    const std::vector<int> tail(reports.end() - 3, reports.end());
    EXPECT_EQ(tail, (std::vector<int>{97, 99, 100}));
}

TEST(InflateProgress, ListWhoseLastBlockIsUnderOnePercentEndsWithTwoHundreds)
{
    const std::vector<int> reports = Reports(StoredStreamOfSize(361065));
    ASSERT_EQ(reports.size(), 23u);
    const std::vector<int> head(reports.begin(), reports.begin() + 5);
    EXPECT_EQ(head, (std::vector<int>{5, 9, 14, 18, 23}));
    const std::vector<int> tail(reports.end() - 3, reports.end());
    EXPECT_EQ(tail, (std::vector<int>{95, 100, 100}));
}

TEST(InflateProgress, ListWithinOneBlockReportsOnlyOneHundred)
{
    EXPECT_EQ(Reports(StoredStreamOfSize(6195)), std::vector<int>{100});
    EXPECT_EQ(Reports(StoredStreamOfSize(16384)), std::vector<int>{100});
    EXPECT_EQ(Reports(StoredStreamOfSize(16385)), (std::vector<int>{100, 100}));
}

TEST(InflateProgress, FirstReportComesBeforeAnyOutputAndValuesNeverFall)
{
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += std::to_string(i * 7919 % 100003) + "\r\n";
    const std::vector<unsigned char> stream = RawDeflate(text);
    std::vector<int> reports;
    const TextBuffer out =
        InflateWithProgress({stream.data(), stream.size()}, [&](int p) { reports.push_back(p); });
    EXPECT_EQ(out.view(), text);
    EXPECT_EQ(reports.size(), (stream.size() + InflateBlockSize - 1) / InflateBlockSize);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_EQ(reports.back(), 100);
}

TEST(InflateProgress, StoredTextComesBackWhole)
{
    const std::string text(200000, 'q');
    const std::vector<unsigned char> stream = StoredStreamOf(text);
    EXPECT_EQ(InflateWithProgress({stream.data(), stream.size()}, {}).view(), text);
}

TEST(InflateErrors, DamagedOrShortStreamsRaiseTheDecompressionError)
{
    const std::string text = "alpha\r\nbeta\r\ngamma\r\n";
    const std::vector<unsigned char> good = RawDeflate(text);

    std::vector<unsigned char> truncated(good.begin(), good.end() - 2);
    std::vector<unsigned char> badBlockType = {0x07, 0x00}; // final block of the reserved type 3
    std::vector<unsigned char> badStoredLength = {0x01, 0x05, 0x00, 0x00, 0x00, 'a'};

    for (const auto *stream : {&truncated, &badBlockType, &badStoredLength}) {
        try {
            InflateWithProgress({stream->data(), stream->size()}, {});
            ADD_FAILURE() << "no error for a damaged stream of " << stream->size() << " bytes";
        } catch (const EDecompressionError &error) {
            EXPECT_NE(std::string(error.what()).find("may be corrupt"), std::string::npos)
                << error.what();
        }
    }
}

TEST(InflateErrors, EmptyStreamFailsWithoutAnyReport)
{
    int reports = 0;
    EXPECT_THROW(InflateWithProgress({}, [&](int) { ++reports; }), EDecompressionError);
    EXPECT_EQ(reports, 0);
}

} // namespace
} // namespace quillby
