// The picture-button rule: which picture each pointer event shows, with the guards.
#include "shell_fixture.h"

#include <gtest/gtest.h>

namespace {

using ReleaseTo = ImageButton::ReleaseTo;

QPixmap solid(QRgb colour) {
    QPixmap p(20, 10);
    p.fill(QColor(colour));
    return p;
}

// Set 1 and set 2, each picture its own colour, so the shown picture names its source.
PictureSets testSets() {
    PictureSets sets;
    for (int n = 1; n <= 2; ++n) {
        sets.NormalPictures[size_t(n)] = solid(qRgb(10 * n, 0, 0));
        sets.HoverPictures[size_t(n)] = solid(qRgb(0, 10 * n, 0));
        sets.PressedPictures[size_t(n)] = solid(qRgb(0, 0, 10 * n));
    }
    return sets;
}

enum class Shown { Normal, Hover, Pressed, OtherNormal, Highlight };

Shown shownBy(const ImageButton& button, const PictureSets& sets, const QPixmap& highlight) {
    const qint64 key = button.pixmap().cacheKey();
    if (key == sets.NormalPictures[1].cacheKey())
        return Shown::Normal;
    if (key == sets.HoverPictures[1].cacheKey())
        return Shown::Hover;
    if (key == sets.PressedPictures[1].cacheKey())
        return Shown::Pressed;
    if (key == sets.NormalPictures[2].cacheKey())
        return Shown::OtherNormal;
    if (key == highlight.cacheKey())
        return Shown::Highlight;
    return Shown(-1);
}

struct RuleCase {
    const char* name;
    ReleaseTo release;
    bool guardHeld;
    bool guardsRelease;
    bool pressedFromOther;
    bool enterLeaveOnly;
    // Picture after enter, press, release, leave.
    Shown afterEnter, afterPress, afterRelease, afterLeave;
};

class PictureRule : public testing::TestWithParam<RuleCase> {};

} // namespace

TEST_P(PictureRule, EachEventShowsItsPicture) {
    const RuleCase& c = GetParam();
    const PictureSets sets = testSets();
    const QPixmap highlight = solid(qRgb(200, 200, 0));
    QWidget window;
    ImageButton button(&window, QStringLiteral("Button"), sets, 1, c.release);
    if (c.guardHeld) {
        button.setPixmap(
            highlight); // what a guarded button shows (the highlighted tab, the on state)
        button.setGuard([] { return true; }, c.guardsRelease);
    }
    if (c.pressedFromOther)
        button.setPressedFromNormalOf(2);
    button.setEnterLeaveOnly(c.enterLeaveOnly);
    int clicks = 0;
    QObject::connect(&button, &ImageButton::clicked, [&] { ++clicks; });

    PointerEnter(&button);
    EXPECT_EQ(shownBy(button, sets, highlight), c.afterEnter);
    Press(&button);
    EXPECT_EQ(shownBy(button, sets, highlight), c.afterPress);
    Release(&button);
    EXPECT_EQ(shownBy(button, sets, highlight), c.afterRelease);
    PointerLeave(&button);
    EXPECT_EQ(shownBy(button, sets, highlight), c.afterLeave);
    EXPECT_EQ(clicks, 1) << "the click runs the action whatever the pictures do";
}

INSTANTIATE_TEST_SUITE_P(
    Variants, PictureRule,
    testing::Values(RuleCase{"ReleaseToNormal", ReleaseTo::Normal, false, true, false, false,
                             Shown::Hover, Shown::Pressed, Shown::Normal, Shown::Normal},
                    RuleCase{"ReleaseToHover", ReleaseTo::Hover, false, true, false, false,
                             Shown::Hover, Shown::Pressed, Shown::Hover, Shown::Normal},
                    RuleCase{"ReleaseDoesNothing", ReleaseTo::Nothing, false, true, false, false,
                             Shown::Hover, Shown::Pressed, Shown::Pressed, Shown::Normal},
                    RuleCase{"GuardedKeepsItsPicture", ReleaseTo::Normal, true, true, false, false,
                             Shown::Highlight, Shown::Highlight, Shown::Highlight,
                             Shown::Highlight},
                    RuleCase{"ReleaseNotGuarded", ReleaseTo::Hover, true, false, false, false,
                             Shown::Highlight, Shown::Highlight, Shown::Hover, Shown::Hover},
                    RuleCase{"PressPreviewsTheOtherSet", ReleaseTo::Normal, false, true, true,
                             false, Shown::Hover, Shown::OtherNormal, Shown::Normal, Shown::Normal},
                    RuleCase{"EnterAndLeaveOnly", ReleaseTo::Nothing, false, true, false, true,
                             Shown::Hover, Shown::Hover, Shown::Hover, Shown::Normal}),
    [](const testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(PictureButton, AnIconOverTheFrameActsOnTheFrame) {
    const PictureSets sets = testSets();
    QWidget window;
    ImageButton frame(&window, QStringLiteral("Image6_"), sets, 1, ReleaseTo::Hover);
    QLabel icon(&window);
    icon.setObjectName(QStringLiteral("Image27_"));
    frame.addPart(&icon);
    int clicks = 0;
    QObject::connect(&frame, &ImageButton::clicked, [&] { ++clicks; });
    const QPixmap none;

    PointerEnter(&icon);
    EXPECT_EQ(shownBy(frame, sets, none), Shown::Hover);
    Press(&icon);
    EXPECT_EQ(shownBy(frame, sets, none), Shown::Pressed);
    Release(&icon);
    EXPECT_EQ(shownBy(frame, sets, none), Shown::Hover);
    EXPECT_EQ(clicks, 1);

    // A toggle that is on shows the pressed frame and keeps it under the pointer.
    bool on = true;
    frame.setGuard([&] { return on; });
    frame.showPressed();
    PointerEnter(&icon);
    PointerLeave(&icon);
    Press(&frame);
    EXPECT_EQ(shownBy(frame, sets, none), Shown::Pressed);
}

TEST(PictureButton, WindowButtonsFollowTheRuleWithTheirGuards) {
    ShellRun run("bakery");
    TForm1& form = run.form();
    const PictureSets& sets = form.Pictures;
    auto button = [&](const char* name) {
        return form.findChild<ImageButton*>(QLatin1String(name));
    };

    // Every button of the window shows the normal picture of its set to begin with.
    const struct {
        const char* name;
        int set;
    } table[] = {{"Image14", 1},  {"Image15", 2},  {"Image16", 3},  {"Image17", 4},
                 {"Image45", 4},  {"Image75", 4},  {"Image43", 10}, {"Image48", 11},
                 {"Image49", 12}, {"Image50", 13}, {"Image52", 15}, {"Image55", 21},
                 {"Image60", 23}};
    for (const auto& row : table) {
        ImageButton* b = button(row.name);
        ASSERT_TRUE(b) << row.name;
        EXPECT_EQ(b->pictureSet(), row.set) << row.name;
        EXPECT_EQ(b->pixmap().cacheKey(), sets.NormalPictures[size_t(row.set)].cacheKey())
            << row.name;
    }

    // The highlighted tab ignores the pointer; the others react.
    ImageButton* pageManager = button("Image51");
    const qint64 highlighted = pageManager->pixmap().cacheKey();
    PointerEnter(pageManager);
    Press(pageManager);
    EXPECT_EQ(pageManager->pixmap().cacheKey(), highlighted);
    ImageButton* account = button("Image49");
    PointerEnter(account);
    EXPECT_EQ(account->pixmap().cacheKey(), sets.HoverPictures[12].cacheKey());

    // Under the save lock Export ignores the pointer, but its release still shows hover.
    ImageButton* exportButton = button("Image60");
    form.SaveLock = true;
    PointerEnter(exportButton);
    Press(exportButton);
    EXPECT_EQ(exportButton->pixmap().cacheKey(), sets.NormalPictures[23].cacheKey());
    Release(exportButton);
    EXPECT_EQ(exportButton->pixmap().cacheKey(), sets.HoverPictures[23].cacheKey());
    form.SaveLock = false;
    Press(exportButton);
    EXPECT_EQ(exportButton->pixmap().cacheKey(), sets.PressedPictures[23].cacheKey());
}
