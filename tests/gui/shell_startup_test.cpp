// Start-up: the order of the windows and of the loads, and the screen a run lands on.
#include "shell_fixture.h"

#include "shell/browser_right_click_filter.h"

#include <QInputDialog>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

bool shownIn(const TForm1& form, const char* name) {
    const QWidget* w = form.findChild<QWidget*>(QLatin1String(name));
    return w && w->isVisibleTo(&form);
}

bool sameImage(const QPixmap& shown, const QString& file) {
    return shown.toImage().convertToFormat(QImage::Format_RGB32) ==
           QImage(file).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(StartUp, LoadsAccountAndPicturesBeforeTheGalleryAndTheSiteAfterIt) {
    struct AtGallery {
        bool called = false;
        QString firstName;
        int pages = -1;
        bool picturesLoaded = false;
        int screen = 0;
    } seen;
    ShellHooks hooks;
    hooks.BuildTemplateGallery = [&](TForm1& form) {
        seen.called = true;
        seen.firstName = form.state().Account.FirstName;
        seen.pages = form.state().pageCount();
        seen.picturesLoaded = !form.Pictures.PressedPictures[25].isNull();
        seen.screen = form.ScreenMode;
    };
    ShellRun run("bakery", hooks);

    ASSERT_TRUE(seen.called);
    EXPECT_EQ(seen.firstName, QStringLiteral("Ann")) << "the account is loaded before the gallery";
    EXPECT_TRUE(seen.picturesLoaded);
    EXPECT_EQ(seen.pages, 0) << "the page table is loaded only after the gallery";
    EXPECT_EQ(seen.screen, StartScreen);
    EXPECT_EQ(run.state.pageCount(), 2);
    EXPECT_TRUE(run.windows.form2->siteLoaded());
}

TEST(StartUp, AMissingButtonPictureEndsTheSetUpBeforeTheGallery) {
    TempHome home;
    QTemporaryDir data;
    for (const QString& name : QDir(BuiltDataDir()).entryList(QDir::Files))
        if (name != QStringLiteral("7b.png"))
            QFile::copy(BuiltDataDir() + name, data.path() + QLatin1Char('/') + name);
    Folders folders = home.folders();
    folders.appDataDir = data.path() + QLatin1Char('/');
    bool galleryBuilt = false;
    ShellHooks hooks;
    hooks.BuildTemplateGallery = [&](TForm1&) { galleryBuilt = true; };
    SiteState state;
    TForm1 form(state, folders, hooks);
    EXPECT_FALSE(galleryBuilt);
    EXPECT_FALSE(form.Pictures.NormalPictures[6].isNull());
    EXPECT_TRUE(form.Pictures.NormalPictures[8].isNull()) << "later sets stay empty";
}

TEST(StartUp, AFreshUserLandsOnTheStartScreenAtStepOne) {
    ShellRun run;
    TForm1& form = run.form();
    EXPECT_EQ(form.ScreenMode, StartScreen);
    EXPECT_EQ(form.size(), QSize(1202, 617));
    EXPECT_TRUE(shownIn(form, "Panel1"));
    EXPECT_TRUE(shownIn(form, "StepPicture1"));
    EXPECT_FALSE(shownIn(form, "StepPicture2"));
    EXPECT_FALSE(shownIn(form, "StepPicture3"));
    for (const char* tab : {"Image48", "Image49", "Image50", "Image51", "Image52"})
        EXPECT_FALSE(shownIn(form, tab)) << tab;
    for (const char* panel : {"Panel2", "Panel5", "Panel10", "Panel11", "Panel14"})
        EXPECT_FALSE(shownIn(form, panel)) << panel;
    EXPECT_FALSE(run.windows.form2->siteLoaded());
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Image3"))->geometry(),
              QRect(1202 / 2 - 941 / 2, 253, 941, 340));
}

TEST(StartUp, AStoredSiteLandsOnThePageListWithTheTabsAtStepTwo) {
    ShellRun run("bakery");
    TForm1& form = run.form();
    EXPECT_EQ(form.ScreenMode, PageListScreen);
    EXPECT_TRUE(shownIn(form, "Panel10"));
    EXPECT_FALSE(shownIn(form, "Panel1"));
    EXPECT_TRUE(shownIn(form, "StepPicture2"));
    EXPECT_FALSE(shownIn(form, "StepPicture1"));
    for (const char* tab : {"Image48", "Image49", "Image50", "Image51", "Image52"})
        EXPECT_TRUE(shownIn(form, tab)) << tab;
    EXPECT_EQ(form.SelectedTab, 4);
    EXPECT_TRUE(sameImage(form.findChild<QLabel*>(QStringLiteral("Image51"))->pixmap(),
                          BuiltDataDir() + QStringLiteral("m4.png")));
}

TEST(Screens, TabsLeadToTheirScreensWithTheirStepAndTheNewSiteTabBackToTheStart) {
    ShellRun run("bakery");
    TForm1& form = run.form();
    struct Case {
        void (TForm1::*click)();
        int screen;
        const char* panel;
        int tab;
        const char* step;
    };
    const Case cases[] = {
        {&TForm1::Image49Click, AccountScreen, "Panel11", 2, "StepPicture2"},
        {&TForm1::Image50Click, GalleryScreen, "Panel2", 3, "StepPicture2"},
        {&TForm1::Image52Click, PublishScreen, "Panel14", 5, "StepPicture3"},
        {&TForm1::Image51Click, PageListScreen, "Panel10", 4, "StepPicture2"},
        {&TForm1::Image51Click, PageListScreen, "Panel10", 4, "StepPicture2"}, // again: stays
    };
    for (const Case& c : cases) {
        (form.*c.click)();
        EXPECT_EQ(form.ScreenMode, c.screen);
        EXPECT_EQ(form.SelectedTab, c.tab);
        EXPECT_TRUE(shownIn(form, c.panel)) << c.panel;
        EXPECT_TRUE(shownIn(form, c.step)) << c.step;
        int panelsShown = 0;
        for (const char* p : {"Panel1", "Panel2", "Panel5", "Panel10", "Panel11", "Panel14"})
            panelsShown += shownIn(form, p);
        EXPECT_EQ(panelsShown, 1);
        EXPECT_TRUE(
            sameImage(form.findChild<QLabel*>(QStringLiteral("Image%1").arg(47 + c.tab))->pixmap(),
                      BuiltDataDir() + QStringLiteral("m%1.png").arg(c.tab)));
    }

    form.Image48Click();
    EXPECT_EQ(form.ScreenMode, StartScreen);
    EXPECT_TRUE(shownIn(form, "Panel1"));
    EXPECT_TRUE(shownIn(form, "StepPicture1"));
    EXPECT_TRUE(shownIn(form, "Image75")) << "the start screen can be closed back to the site";
    EXPECT_FALSE(shownIn(form, "Image51"));
    form.Image75Click();
    EXPECT_EQ(form.ScreenMode, PageListScreen);
    EXPECT_TRUE(shownIn(form, "Image51"));
    EXPECT_FALSE(shownIn(form, "Image75"));
}

TEST(Screens, ScreenHooksRunForTheirScreens) {
    QList<int> filled;
    int galleryLayouts = 0;
    ShellHooks hooks;
    hooks.FillScreen = [&](TForm1&, int mode) { filled << mode; };
    hooks.LayoutGallery = [&](TForm1&) { ++galleryLayouts; };
    ShellRun run("bakery", hooks);
    run.form().Image50Click();
    run.form().Image49Click();
    EXPECT_EQ(filled, (QList<int>{PageListScreen, GalleryScreen, AccountScreen}));
    EXPECT_GE(galleryLayouts, 1);
}

TEST(MainWindow, ClosesWithoutAQuestion) {
    ShellRun run;
    bool closed = false;
    QObject::connect(&run.form(), &TForm1::closed, [&] { closed = true; });
    run.form().show();
    EXPECT_TRUE(run.form().close());
    EXPECT_TRUE(closed);
}

TEST(MainWindow, TheMaskMessageMasksTheOpenInputBox) {
    ShellRun run;
    QInputDialog box;
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    Settle();
    ASSERT_EQ(box.textEchoMode(), QLineEdit::Normal);
    QCoreApplication::postEvent(&run.form(), new QEvent(QEvent::Type(MaskPasswordMessage)));
    Settle();
    EXPECT_EQ(box.textEchoMode(), QLineEdit::Password);
    EXPECT_EQ(box.findChild<QLineEdit*>()->echoMode(), QLineEdit::Password);
    box.close();
}

namespace {

class PressCounter : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

} // namespace

TEST(MainWindow, RightClicksNeverReachTheEmbeddedBrowsers) {
    ShellRun run; // installs the filter for the whole application
    QWidget window;
    auto* browser = new QWidget(&window);
    browser->setObjectName(QStringLiteral("WebBrowser3"));
    auto* page = new PressCounter(browser); // the browser's own view inside it
    auto* elsewhere = new PressCounter(&window);
    MouseButton(page, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(page->presses, 0);
    MouseButton(page, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(page->presses, 1);
    MouseButton(elsewhere, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(elsewhere->presses, 1);
}
