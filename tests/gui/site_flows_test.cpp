// The window's flows as a user goes through them: the start screen's checks, a new site from
// the gallery to the editor, another design from the Template tab, logging in and the
// password e-mail, against the real embedded browser and a local service.
#include "modal_answers.h"
#include "shell_fixture.h"

#include "browser/web_browser.h"
#include "generator/edit_copies.h"
#include "generator/ui/template_gallery.h"
#include "service/account_reply.h"
#include "shell/site_screens.h"
#include "site/text_file.h"
#include "support/local_servers.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 20000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// The program's window with every site screen plugged in, shown.
struct SiteWindow {
    explicit SiteWindow(const ServiceConfig& config = {}) : run(hooksFor(config)) { show(); }
    // With a site stored by an earlier run, which start-up opens.
    explicit SiteWindow(const char* storedSiteName) : run(storedSiteName, hooksFor({})) { show(); }
    void show() {
        form().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }
    static ShellHooks hooksFor(const ServiceConfig& config) {
        ShellHooks hooks;
        InstallSiteScreens(hooks, config);
        return hooks;
    }
    TForm1& form() { return run.form(); }
    template <typename T = QWidget> T* child(const QString& name) {
        return form().findChild<T*>(name);
    }
    bool shown(const QString& name) {
        QWidget* w = child(name);
        return w && w->isVisibleTo(&form());
    }
    void type(const QString& text) { child<QLineEdit>(QStringLiteral("Edit1"))->setText(text); }
    void click(const QString& name) {
        QWidget* w = child(name);
        ASSERT_TRUE(w) << name.toStdString();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
    }
    bool tabsShown() {
        for (int k = 48; k <= 52; ++k)
            if (!shown(QStringLiteral("Image%1").arg(k)))
                return false;
        return true;
    }
    bool busy() { return shown(QStringLiteral("Panel7")); }
    QString busyCaption() { return child<QLabel>(QStringLiteral("BusyCaption"))->text(); }
    QString inlineError() {
        auto* error = child<QLabel>(QStringLiteral("Label2"));
        return error->isVisibleTo(&form()) ? error->text() : QString();
    }

    ShellRun run;
};

struct CheckCase {
    bool existingSite;
    const char* typed;
    const char* message; // in Label2; empty: the check passes
};

class StartScreenChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(StartScreenChecks, ShowTheirMessageBesideTheBoxOrMoveOnToTheGallery) {
    const CheckCase c = GetParam();
    SiteWindow w;
    if (c.existingSite)
        w.click(QStringLiteral("RadioButton9"));
    w.type(QString::fromUtf8(c.typed));
    w.click(QStringLiteral("Image14"));
    if (*c.message) {
        EXPECT_EQ(w.inlineError(), QString::fromUtf8(c.message));
        EXPECT_EQ(w.form().ScreenMode, StartScreen);
        EXPECT_TRUE(w.shown(QStringLiteral("Panel1")));
        return;
    }
    EXPECT_EQ(w.form().ScreenMode, GalleryScreen);
    ASSERT_TRUE(WaitUntil([&] { return w.shown(QStringLiteral("Panel2")); }));
    EXPECT_FALSE(w.shown(QStringLiteral("Panel1")));
    EXPECT_TRUE(w.shown(QStringLiteral("StepPicture2")));
    EXPECT_TRUE(w.shown(QStringLiteral("Image31")) && w.shown(QStringLiteral("Image122")));
    EXPECT_FALSE(w.shown(QStringLiteral("Image54")));
    EXPECT_FALSE(w.tabsShown()) << "no site is open yet";
    // The gallery has grown to the frame of a site screen.
    EXPECT_EQ(w.child(QStringLiteral("Image3"))->y(), 127);

    // Back returns to the start screen with the name still typed.
    w.click(QStringLiteral("Image122"));
    EXPECT_EQ(w.form().ScreenMode, StartScreen);
    EXPECT_TRUE(w.shown(QStringLiteral("Panel1")));
    EXPECT_FALSE(w.shown(QStringLiteral("Panel2")));
    EXPECT_EQ(w.child<QLineEdit>(QStringLiteral("Edit1"))->text(), QString::fromUtf8(c.typed));
}

INSTANTIATE_TEST_SUITE_P(
    NameAndEmail, StartScreenChecks,
    ::testing::Values(CheckCase{false, "", "Please Enter Your Site's Name."},
                      CheckCase{false, "   ", "Please Enter Your Site's Name."},
                      CheckCase{false, " a ", "The Name You Entered Is Too Short."},
                      CheckCase{false, "12", "The Name You Entered Has No Letters."},
                      CheckCase{false, "é1", "The Name You Entered Has No Letters."},
                      CheckCase{false, " ab ", ""},
                      CheckCase{true, "  ", "Please Enter Your Email Address."}));

TEST(NewSiteFlow, FromTheGalleryToTheHomePageInTheEditorThenAnotherDesign) {
    SiteWindow w;
    ModalAnswers answers;
    w.type(QStringLiteral("Joe's Café"));
    w.click(QStringLiteral("Image14"));
    ASSERT_TRUE(WaitUntil([&] { return w.shown(QStringLiteral("Panel2")); }));
    w.click(QStringLiteral("_1"));

    w.click(QStringLiteral("Image31"));
    EXPECT_TRUE(w.busy());
    EXPECT_EQ(w.busyCaption(), QStringLiteral("Loading"));
    EXPECT_FALSE(w.shown(QStringLiteral("Image122")));
    ASSERT_TRUE(WaitUntil([&] { return w.form().ScreenMode == EditorScreen; }));
    EXPECT_FALSE(w.busy());
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
    EXPECT_TRUE(w.shown(QStringLiteral("Panel5")));
    EXPECT_FALSE(w.shown(QStringLiteral("Panel2")));
    EXPECT_TRUE(w.tabsShown());
    EXPECT_EQ(w.form().SelectedTab, 0);
    EXPECT_TRUE(w.shown(QStringLiteral("StepPicture2")));

    SiteState& site = w.form().state();
    EXPECT_EQ(site.PageSelector,
              QStringList({"index", "about-us", "picture-gallery", "contact-us"}));
    EXPECT_EQ(site.CurrentPageFileName, QStringLiteral("index"));
    EXPECT_EQ(site.Account.UnixName, QStringLiteral("Joes-Café"));
    SiteState stored;
    LoadSite(stored, w.run.home.folders());
    EXPECT_EQ(stored.Account.UnixName, QStringLiteral("Joes-Café"));
    EXPECT_EQ(stored.SelectedTemplateIndex, 1);
    EXPECT_EQ(stored.pageCount(), 4);

    // The edit view shows the home page's editing copy, regions and all.
    auto* view = w.child<WebBrowser>(QStringLiteral("WebBrowser3"));
    ASSERT_TRUE(view && view->isVisibleTo(&w.form()));
    EXPECT_EQ(QFileInfo(view->DocumentPath()).absoluteFilePath(),
              QFileInfo(EditingCopyPath(w.run.home.folders())).absoluteFilePath());
    ASSERT_TRUE(WaitUntil([&] { return view->ReadyState() == 4; }));
    const ElementLookup region = view->FindElementById(QStringLiteral("tavodiv1"));
    ASSERT_TRUE(region.result.ok) << region.result.message.toStdString();
    EXPECT_TRUE(region.element);
    EXPECT_GT(view->width(), 1000);

    // The Template tab offers Save instead of Next; Save gives every page the new design.
    w.click(QStringLiteral("Image50"));
    EXPECT_EQ(w.form().ScreenMode, GalleryScreen);
    EXPECT_TRUE(w.shown(QStringLiteral("Image54")));
    EXPECT_FALSE(w.shown(QStringLiteral("Image31")) || w.shown(QStringLiteral("Image122")));
    w.click(QStringLiteral("_0"));
    const QString aboutUs = PageFilePath(w.run.home.folders(), QStringLiteral("about-us"));
    const QString before = LoadTextFile(aboutUs);
    w.click(QStringLiteral("Image54"));
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
    EXPECT_EQ(w.form().ScreenMode, EditorScreen);
    EXPECT_EQ(w.form().SelectedTab, 0);
    EXPECT_TRUE(w.shown(QStringLiteral("Panel5")));
    EXPECT_NE(LoadTextFile(aboutUs), before);
    LoadSite(stored, w.run.home.folders());
    EXPECT_EQ(stored.SelectedTemplateIndex, 0);

    // Looking at another design and leaving without Save changes nothing: the site still
    // publishes with its own, and the gallery shows its own as chosen next time.
    auto* tick = w.child<QLabel>(QStringLiteral("SelectionTick"));
    ASSERT_TRUE(tick);
    w.click(QStringLiteral("Image50"));
    const QPoint onOwnDesign = tick->pos();
    w.click(QStringLiteral("_1"));
    EXPECT_NE(tick->pos(), onOwnDesign);
    w.click(QStringLiteral("Image49"));
    EXPECT_NE(w.form().ScreenMode, GalleryScreen);
    EXPECT_EQ(w.form().state().SelectedTemplateIndex, 0);
    w.click(QStringLiteral("Image50"));
    EXPECT_EQ(tick->pos(), onOwnDesign);
}

TEST(NewSiteFlow, AbandoningANewSiteKeepsTheOpenSiteAsItWas) {
    SiteWindow w("bakery");
    const TAccount before = w.form().state().Account;
    w.click(QStringLiteral("Image48"));
    w.type(QStringLiteral("Other Site"));
    w.click(QStringLiteral("Image14"));
    ASSERT_TRUE(WaitUntil([&] { return w.shown(QStringLiteral("Panel2")); }));
    w.click(QStringLiteral("Image122"));
    w.click(QStringLiteral("Image75"));
    EXPECT_EQ(w.form().ScreenMode, PageListScreen);
    EXPECT_TRUE(w.form().state().Account == before);
    EXPECT_EQ(w.form().state().pageCount(), 2);
}

TEST(NewSiteFlow, AFailedCreationReturnsToTheGalleryWithItsMessageAndNoOverlay) {
    SiteWindow w;
    ModalAnswers answers;
    // Something that is not a folder stands where the working folder must go.
    const QString workDir = w.run.home.folders().WorkDir();
    QDir().mkpath(QFileInfo(workDir.chopped(1)).absolutePath());
    QFile blocker(workDir.chopped(1));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    w.type(QStringLiteral("bakery"));
    w.click(QStringLiteral("Image14"));
    ASSERT_TRUE(WaitUntil([&] { return w.shown(QStringLiteral("Panel2")); }));
    w.click(QStringLiteral("Image31"));
    ASSERT_TRUE(WaitUntil([&] { return !answers.messages.isEmpty(); }));
    EXPECT_TRUE(answers.messages.first().startsWith(
        QStringLiteral("error: The new site could not be created")))
        << answers.messages.first().toStdString();
    EXPECT_FALSE(w.busy());
    EXPECT_EQ(w.form().ScreenMode, GalleryScreen);
    EXPECT_TRUE(w.shown(QStringLiteral("Panel2")));
    EXPECT_TRUE(w.shown(QStringLiteral("Image31")) && w.shown(QStringLiteral("Image122")));
    EXPECT_EQ(w.form().state().pageCount(), 0);
    EXPECT_TRUE(w.form().state().Account.UnixName.isEmpty()) << "nothing of the site is kept";
}

TEST(GalleryPreview, ShowsTheTemplatePreviewUnderItsBackLinkUntilTheLinkIsClicked) {
    SiteWindow w;
    w.type(QStringLiteral("bakery"));
    w.click(QStringLiteral("Image14"));
    ASSERT_TRUE(WaitUntil([&] { return w.shown(QStringLiteral("Panel2")); }));
    auto* gallery = w.form().findChild<TemplateGallery*>();
    ASSERT_TRUE(gallery);
    gallery->PreviewGalleryEntry(2);
    ASSERT_TRUE(w.shown(QStringLiteral("Panel22")));
    QWidget* panel = w.child(QStringLiteral("Panel22"));
    auto* link = w.child<QLabel>(QStringLiteral("PreviewBackLink"));
    EXPECT_EQ(link->text(), QStringLiteral("Back to Templates"));
    EXPECT_LE(link->mapTo(panel, QPoint(link->width(), 0)).x(), panel->width())
        << "the link's text is cut off";
    auto* preview = w.child<WebBrowser>(QStringLiteral("WebBrowser1"));
    EXPECT_TRUE(
        preview->DocumentPath().endsWith(QStringLiteral("/templates/%1/template_preview.html")
                                             .arg(gallery->entries()[2].FolderNumber)));

    w.click(QStringLiteral("PreviewBackLink"));
    EXPECT_FALSE(w.shown(QStringLiteral("Panel22")));
    EXPECT_TRUE(w.shown(QStringLiteral("Image31")));
}

class LoginFlow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(http.start());
        config.ServiceBaseUrl = http.baseUrl();
    }
    static TSitePage page(const char* fileName, const char* label) {
        TSitePage p;
        p.FileName = QLatin1String(fileName);
        p.Label_ = QLatin1String(label);
        p.ShowInMenu = true;
        return p;
    }
    void chooseExistingSite(SiteWindow& w, const char* email) {
        w.click(QStringLiteral("RadioButton9"));
        w.type(QLatin1String(email));
    }

    HttpService http;
    ServiceConfig config;
};

TEST_F(LoginFlow, AWrongPasswordKeepsTheStartScreenAndTheRightOneOpensThePageList) {
    http.setReply(QStringLiteral("login.php"), "short");
    SiteWindow w(config);
    chooseExistingSite(w, "ann@x.test");

    ModalAnswers answers(QStringLiteral(" "));
    w.click(QStringLiteral("Image14"));
    EXPECT_EQ(answers.messages, QStringList{"information: You must enter a password."});
    EXPECT_TRUE(http.requestsTo(QStringLiteral("login.php")).isEmpty());

    answers.password = QStringLiteral("wrong");
    answers.messages.clear();
    w.click(QStringLiteral("Image14"));
    EXPECT_TRUE(w.busy());
    EXPECT_EQ(w.busyCaption(), QStringLiteral("Logging In"));
    ASSERT_TRUE(WaitUntil([&] { return !answers.messages.isEmpty(); }));
    EXPECT_EQ(answers.messages.first(),
              QStringLiteral("information: The login details you entered are incorrect. "
                             "Please try again."));
    EXPECT_FALSE(w.busy());
    EXPECT_EQ(w.form().ScreenMode, StartScreen);
    EXPECT_EQ(w.child<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("ann@x.test"));

    AccountReply reply;
    reply.Password = QStringLiteral("pw");
    reply.Email = QStringLiteral("ann@x.test");
    reply.UnixName = QStringLiteral("annsite");
    reply.Pages = {page("index", "Home"), page("about-us", "About Us")};
    http.setReply(QStringLiteral("login.php"), AccountReplyText(reply).toLatin1());
    http.setFile(QStringLiteral("annsite/index.html"), "<html><body>home</body></html>");
    http.setFile(QStringLiteral("annsite/about-us.html"), "<html><body>about</body></html>");
    answers.password = QStringLiteral("pw");
    answers.messages.clear();
    w.click(QStringLiteral("Image14"));
    ASSERT_TRUE(WaitUntil([&] { return w.form().ScreenMode == PageListScreen; }));
    EXPECT_TRUE(answers.messages.isEmpty()) << answers.messages.join('\n').toStdString();
    EXPECT_FALSE(w.busy());
    EXPECT_TRUE(w.shown(QStringLiteral("Panel10")));
    EXPECT_FALSE(w.shown(QStringLiteral("Panel1")));
    EXPECT_TRUE(w.tabsShown());
    EXPECT_EQ(w.form().SelectedTab, 4);
    EXPECT_TRUE(w.shown(QStringLiteral("StepPicture2")));
    EXPECT_EQ(w.form().state().PageSelector, QStringList({"index", "about-us"}));
    EXPECT_TRUE(LoadTextFile(PageFilePath(w.run.home.folders(), QStringLiteral("about-us")))
                    .contains(QStringLiteral("<body>about</body>")));
    const QString sent = http.requestsTo(QStringLiteral("login.php")).last();
    EXPECT_EQ(HttpService::queryValue(sent, QStringLiteral("password")), QStringLiteral("pw"));
}

TEST_F(LoginFlow, ThePasswordEmailRunsBehindSendingAndReportsEitherWay) {
    SiteWindow w(config);
    chooseExistingSite(w, "ann@x.test");
    ModalAnswers answers;
    const struct {
        QByteArray reply;
        QString message;
    } cases[] = {
        {"done", "information: Your password has been sent to ann@x.test."},
        {"no such user", "error: There was a problem sending your password. Please check your "
                         "internet connection."},
    };
    for (const auto& c : cases) {
        http.setReply(QStringLiteral("emailpassword.php"), c.reply);
        answers.messages.clear();
        w.click(QStringLiteral("Label131"));
        EXPECT_EQ(w.busyCaption(), QStringLiteral("Sending"));
        ASSERT_TRUE(WaitUntil([&] { return !answers.messages.isEmpty(); }));
        EXPECT_EQ(answers.messages.first(), c.message);
        EXPECT_FALSE(w.busy());
        EXPECT_EQ(w.form().ScreenMode, StartScreen);
    }
}

} // namespace
