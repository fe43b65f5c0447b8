// A process killed while it saves the page table must leave a store that loads either the
// old table or the new one, never a mix of both.
#include "site/page_table.h"
#include "site/settings_store.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

SiteState tableOf(int pages, const QString& tag) {
    SiteState state;
    state.Account.UnixName = "crash-test";
    for (int i = 0; i < pages; ++i) {
        int slot = 0;
        AppendPage(state, QStringLiteral("%1-page-%2").arg(tag).arg(i), &slot);
        TSitePage& p = state.Pages[slot];
        p.Label_ = tag + " label";
        p.WindowTitle = tag + " title";
        p.Description = tag + QString(200, QLatin1Char('d'));
        p.Keywords = tag + " keywords";
        p.Heading = tag;
        p.Text1 = p.Text2 = p.Text3 = p.Text4 = p.Text5 = p.Text6 = tag + " text";
        p.ShowInMenu = true;
        p.Changed = tag == "new";
    }
    return state;
}

// The whole table is one of the two, field by field.
void expectWholeTable(const SiteState& loaded, const SiteState& a, const SiteState& b) {
    const SiteState& expected = loaded.pageCount() == a.pageCount() ? a : b;
    ASSERT_EQ(loaded.PageSelector, expected.PageSelector);
    for (int i = 0; i < expected.pageCount(); ++i)
        ASSERT_EQ(loaded.Pages[i], expected.Pages[i]) << "page " << i;
}

TEST(StoreCrash, KillDuringSavePagesLeavesTheOldOrTheNewTable) {
    TempHome home;
    const SiteState oldTable = tableOf(PageCapacity, "old");
    const SiteState newTable = tableOf(700, "new");
    ASSERT_TRUE(SaveAccount(oldTable, home.folders()));
    ASSERT_TRUE(SavePages(oldTable, home.folders()));

    for (int round = 0; round < 10; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n)
                SavePages(n % 2 ? oldTable : newTable, home.folders());
            _exit(0);
        }
        // Each round kills the writer at another point of its save.
        usleep(useconds_t(40000 + round * 37000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        SiteState loaded;
        LoadAccount(loaded, home.folders());
        ASSERT_TRUE(LoadSite(loaded, home.folders())) << "round " << round;
        expectWholeTable(loaded, oldTable, newTable);
    }
}

} // namespace
