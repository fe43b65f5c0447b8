#include "site/page_table.h"

#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace {

SiteState siteWith(const QStringList& fileNames) {
    SiteState state;
    for (const QString& name : fileNames) {
        int slot = -1;
        EXPECT_TRUE(AppendPage(state, name, &slot));
        state.Pages[slot].Label_ = name.toUpper();
        state.Pages[slot].IsHomePage = slot == 0;
        state.Pages[slot].Changed = slot % 2 == 0;
        state.Pages[slot].Heading = "heading of " + name;
    }
    return state;
}

QStringList slotNames(const SiteState& state, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << state.Pages[i].FileName;
    return names;
}

TEST(PageTable, AppendFillsTheNextSlotAndRefusesBeyondCapacity) {
    SiteState state;
    for (int i = 0; i < PageCapacity; ++i)
        ASSERT_TRUE(AppendPage(state, QString::number(i)));
    EXPECT_EQ(state.pageCount(), PageCapacity);
    EXPECT_EQ(state.Pages[1000].FileName, "1000");

    const Result refused = AppendPage(state, "one-too-many");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, PageCapacityMessage());
    EXPECT_EQ(state.pageCount(), PageCapacity);
    EXPECT_EQ(state.PageSelector.last(), "1000");
}

TEST(PageTable, DeleteShiftsWholeRecordsAndSelectsTheFirstPage) {
    SiteState state = siteWith({"index", "a", "b", "c"});
    const TSitePage formerB = state.Pages[2];
    SelectPage(state, 1);
    DeleteCurrentPage(state);

    EXPECT_EQ(state.PageSelector, QStringList({"index", "b", "c"}));
    EXPECT_EQ(state.Pages[1], formerB);
    EXPECT_EQ(state.SelectedPageIndex, 0);
    EXPECT_EQ(state.CurrentPageFileName, "index");
    // The vacated slot is not cleared.
    EXPECT_EQ(state.Pages[3].FileName, "c");
}

TEST(PageTable, DeletingTheLastPageCopiesNothing) {
    SiteState state = siteWith({"index", "a", "b"});
    const TSitePage formerB = state.Pages[2];
    SelectPage(state, 2);
    DeleteCurrentPage(state);
    EXPECT_EQ(state.PageSelector, QStringList({"index", "a"}));
    EXPECT_EQ(state.Pages[2], formerB);
}

TEST(PageTable, MoveShiftsTheRecordsBetweenAndRebuildsTheSelector) {
    struct Case {
        int from, to;
        QStringList order;
    };
    const Case cases[] = {
        {4, 1, {"index", "d", "a", "b", "c"}}, {1, 3, {"index", "b", "c", "a", "d"}},
        {0, 4, {"a", "b", "c", "d", "index"}}, {2, 2, {"index", "a", "b", "c", "d"}},
        {1, 9, {"index", "a", "b", "c", "d"}}, // outside the table: nothing moves
    };
    for (const Case& c : cases) {
        SiteState state = siteWith({"index", "a", "b", "c", "d"});
        const TSitePage moved = state.Pages[c.from < 5 ? c.from : 0];
        MovePage(state, c.from, c.to);
        EXPECT_EQ(state.PageSelector, c.order) << c.from << "->" << c.to;
        EXPECT_EQ(slotNames(state, 5), c.order);
        if (c.to < 5 && c.from != c.to) {
            EXPECT_EQ(state.Pages[c.to], moved);
        }
    }
}

TEST(PageTable, FindAndSelect) {
    SiteState state = siteWith({"index", "about-us"});
    EXPECT_EQ(FindPage(state, "about-us"), 1);
    EXPECT_EQ(FindPage(state, "About-Us"), -1);
    SelectPage(state, 1);
    EXPECT_EQ(state.CurrentPageFileName, "about-us");
    ClearPageSelector(state);
    EXPECT_EQ(state.pageCount(), 0);
    EXPECT_EQ(state.CurrentPageFileName, "");
}

} // namespace
