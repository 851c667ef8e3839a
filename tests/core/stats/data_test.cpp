// SPDX-License-Identifier: MIT
#include "core/stats/data.h"

#include <gtest/gtest.h>

namespace probel {
namespace {

TEST(DataTest, NewCollectionIsEmpty)
{
    Data data;
    EXPECT_EQ(data.count(), 0);
    int visited = 0;
    for ([[maybe_unused]] auto& series : data) {
        ++visited;
    }
    EXPECT_EQ(visited, 0);
}

TEST(DataTest, AddedSeriesHaveDefaultsAndPositionsFromOne)
{
    Data data;
    data.add().setId(1);
    data.add().setId(2);
    auto& third = data.add();
    third.setId(3);
    EXPECT_EQ(third.mrk(), "△");
    EXPECT_EQ(data.count(), 3);
    EXPECT_EQ(data.item(1).id(), 1);
    EXPECT_EQ(&data.item(3), &third);

    data.remove(2);
    EXPECT_EQ(data.count(), 2);
    EXPECT_EQ(data.item(2).id(), 3);

    std::vector<int> order;
    for (const auto& series : data) {
        order.push_back(series.id());
    }
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
}

TEST(DataTest, KeysAreOptionalAndUnique)
{
    Data data;
    data.add();
    data.add();  // two entries without a key are fine
    data.add("first").setId(7);
    EXPECT_EQ(data.item("first").id(), 7);
    EXPECT_THROW(data.add("first"), CollectionError);
    EXPECT_EQ(data.count(), 3);
    data.remove("first");
    EXPECT_EQ(data.find("first"), nullptr);
}

TEST(DataTest, BadPositionsAndKeysAreReportedNotUndefined)
{
    Data data;
    data.add();
    EXPECT_THROW(data.item(0), CollectionError);
    EXPECT_THROW(data.item(2), CollectionError);
    EXPECT_THROW(data.item(-1), CollectionError);
    EXPECT_THROW(data.item("missing"), CollectionError);
    EXPECT_THROW(data.remove(5), CollectionError);
    EXPECT_EQ(data.find(2), nullptr);
    EXPECT_NE(data.find(1), nullptr);
    try {
        data.item(9);
        FAIL();
    } catch (const CollectionError& error) {
        EXPECT_NE(std::string(error.what()).find("9"), std::string::npos);
    }
}

TEST(DataTest, RekeyKeepsThePosition)
{
    KeyedCollection<int> sheets;
    sheets.add(std::make_unique<int>(1), "a.pbl");
    sheets.add(std::make_unique<int>(2), "b.pbl");
    sheets.rekey("a.pbl", "c.pbl");
    EXPECT_EQ(sheets.keyAt(1), "c.pbl");
    EXPECT_EQ(sheets.item("c.pbl"), 1);
    EXPECT_THROW(sheets.rekey("c.pbl", "b.pbl"), CollectionError);
    EXPECT_EQ(sheets.item("c.pbl"), 1);
}

}  // namespace
}  // namespace probel
