#include "service/ui/start_panel.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct StartScreenPanel {
    StartScreenPanel() {
        window.resize(700, 300);
        next = new QLabel(QStringLiteral("Start Building"), &window);
        next->setObjectName(QStringLiteral("Image14"));
        next->setGeometry(0, 176, 120, 40);
        panel = new StartPanel(&window, next);
        window.show();
    }
    template <typename T = QWidget> T* child(const char* name) const {
        return window.findChild<T*>(QLatin1String(name));
    }
    QWidget window;
    QLabel* next = nullptr;
    StartPanel* panel = nullptr;
};

TEST(StartPanelTest, ModesSetCaptionLinkAndEmptyTheBox) {
    StartScreenPanel s;
    auto* caption = s.child<QLabel>("Label1");
    auto* link = s.child<QLabel>("Label131");
    auto* error = s.child<QLabel>("Label2");
    auto* edit = s.child<QLineEdit>("Edit1");
    ASSERT_TRUE(caption && link && error && edit);
    EXPECT_TRUE(s.child<QRadioButton>("RadioButton8")->isChecked());
    EXPECT_EQ(caption->text(), "Site's Name");
    EXPECT_FALSE(link->isVisible());
    EXPECT_FALSE(error->isVisible());

    edit->setText("my site");
    s.panel->ShowInlineError("The Name You Entered Is Too Short.");
    EXPECT_TRUE(error->isVisible());
    QTest::mouseClick(s.child("RadioButton9"), Qt::LeftButton);
    EXPECT_EQ(s.panel->mode(), StartPanel::Mode::ExistingSite);
    EXPECT_EQ(caption->text(), "Email Address");
    EXPECT_EQ(link->text(), "I forgot my password. Email it to me.");
    EXPECT_TRUE(link->isVisible());
    EXPECT_FALSE(error->isVisible());
    EXPECT_TRUE(edit->text().isEmpty());

    edit->setText("a@b.c");
    QTest::mouseClick(s.child("RadioButton8"), Qt::LeftButton);
    EXPECT_EQ(s.panel->mode(), StartPanel::Mode::NewSite);
    EXPECT_EQ(caption->text(), "Site's Name");
    EXPECT_FALSE(link->isVisible());
    EXPECT_TRUE(edit->text().isEmpty());
}

TEST(StartPanelTest, NextComesFromTheButtonAndFromReleasingEnter) {
    StartScreenPanel s;
    QSignalSpy next(s.panel, &StartPanel::nextRequested);
    QSignalSpy mail(s.panel, &StartPanel::passwordMailRequested);
    QTest::mouseClick(s.next, Qt::LeftButton);
    EXPECT_EQ(next.count(), 1);
    QTest::keyClick(s.child("Edit1"), Qt::Key_Return);
    EXPECT_EQ(next.count(), 2);
    QTest::keyClick(s.child("Edit1"), Qt::Key_A);
    EXPECT_EQ(next.count(), 2);
    // The release of an Enter pressed elsewhere (the one that closed a dialog) is not Next.
    QTest::keyRelease(s.child("Edit1"), Qt::Key_Return);
    EXPECT_EQ(next.count(), 2);
    s.panel->ChooseExistingSite();
    QTest::mouseClick(s.child("Label131"), Qt::LeftButton);
    EXPECT_EQ(mail.count(), 1);
}

TEST(StartPanelTest, PasswordPromptIsMaskedAndCancelGivesNothing) {
    QWidget parent;
    QString seenTitle, seenPrompt;
    QLineEdit::EchoMode seenEcho = QLineEdit::Normal;
    const auto answer = [&](bool accept) {
        QTimer::singleShot(0, [&, accept] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            seenTitle = box->windowTitle();
            seenPrompt = box->labelText();
            seenEcho = box->textEchoMode();
            EXPECT_TRUE(box->textValue().isEmpty());
            box->setTextValue(QStringLiteral(" secret "));
            accept ? box->accept() : box->reject();
        });
    };
    answer(true);
    EXPECT_EQ(AskSitePassword(&parent), " secret ");
    EXPECT_EQ(seenTitle, "Site Login");
    EXPECT_EQ(seenPrompt, "Please Enter Your Password");
    EXPECT_EQ(seenEcho, QLineEdit::Password);
    answer(false);
    EXPECT_TRUE(AskSitePassword(&parent).isEmpty());
}

} // namespace
