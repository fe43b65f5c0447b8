#include "service/ui/start_panel.h"

#include "generator/ui/click_event.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QString& style) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setStyleSheet(style);
    label->adjustSize();
    return label;
}

} // namespace

StartPanel::StartPanel(QWidget* panel, QWidget* nextButton)
    : QObject(panel), panel_(panel), nextButton_(nextButton) {
    newSite_ = new QRadioButton(QStringLiteral("New Site"), panel);
    newSite_->setObjectName(QStringLiteral("RadioButton8"));
    existingSite_ = new QRadioButton(QStringLiteral("Existing Site"), panel);
    existingSite_->setObjectName(QStringLiteral("RadioButton9"));
    for (QRadioButton* choice : {newSite_, existingSite_}) {
        choice->setStyleSheet(QStringLiteral("QRadioButton { font-size: 14px; color: #1F2937; }"));
        choice->adjustSize();
    }
    newSite_->move(0, 0);
    existingSite_->move(130, 0);
    newSite_->setChecked(true);

    caption_ = MakeLabel(panel, QStringLiteral("Label1"), QStringLiteral("Site's Name"),
                         QStringLiteral("font-size: 13px; font-weight: bold; color: #1F2937;"));
    caption_->move(0, 48);
    edit1_ = new QLineEdit(panel);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(0, 72, 330, 34);
    edit1_->setStyleSheet(
        QStringLiteral("QLineEdit { font-size: 15px; padding: 4px 8px; border: 1px solid "
                       "#D8DEE8; border-radius: 4px; background: white; }"
                       "QLineEdit:focus { border-color: #2F6FED; }"));
    edit1_->installEventFilter(this);
    error_ = MakeLabel(panel, QStringLiteral("Label2"), QStringLiteral("Invalid Name:"),
                       QStringLiteral("color: #E0444A; font-size: 13px;"));
    error_->move(edit1_->geometry().right() + 12, 80);
    error_->hide();
    forgotPassword_ = MakeLabel(
        panel, QStringLiteral("Label131"), QStringLiteral("I forgot my password. Email it to me."),
        QStringLiteral("color: #2F6FED; text-decoration: underline; font-size: 12px;"));
    forgotPassword_->move(0, 116);
    forgotPassword_->setCursor(Qt::PointingHandCursor);
    forgotPassword_->installEventFilter(this);
    forgotPassword_->hide();
    if (nextButton_)
        nextButton_->installEventFilter(this);

    connect(newSite_, &QRadioButton::clicked, this, &StartPanel::ChooseNewSite);
    connect(existingSite_, &QRadioButton::clicked, this, &StartPanel::ChooseExistingSite);
}

void StartPanel::ChooseNewSite() {
    newSite_->setChecked(true);
    enterMode(Mode::NewSite);
}

void StartPanel::ChooseExistingSite() {
    existingSite_->setChecked(true);
    enterMode(Mode::ExistingSite);
}

void StartPanel::enterMode(Mode mode) {
    mode_ = mode;
    const bool existing = mode == Mode::ExistingSite;
    caption_->setText(existing ? QStringLiteral("Email Address") : QStringLiteral("Site's Name"));
    caption_->adjustSize();
    forgotPassword_->setVisible(existing);
    error_->hide();
    edit1_->clear();
    edit1_->setFocus();
}

QString StartPanel::typedText() const {
    return edit1_->text();
}

void StartPanel::ShowInlineError(const QString& message) {
    error_->setText(message);
    error_->adjustSize();
    error_->show();
}

void StartPanel::HideInlineError() {
    error_->hide();
}

bool StartPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (watched == edit1_ && keyEvent) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Only an Enter pressed in the box counts: the release of the Enter that closed the
        // password prompt also lands here.
        if (enter && event->type() == QEvent::KeyPress)
            enterPressed_ = true;
        else if (enter && !key->isAutoRepeat() && enterPressed_) {
            enterPressed_ = false;
            emit nextRequested();
        }
    } else if (IsLeftClickInside(watched, event)) {
        if (watched == nextButton_)
            emit nextRequested();
        else if (watched == forgotPassword_)
            emit passwordMailRequested();
    }
    return QObject::eventFilter(watched, event);
}

QString AskSitePassword(QWidget* parent) {
    QInputDialog box(parent);
    box.setObjectName(QStringLiteral("SiteLoginBox"));
    box.setWindowTitle(QStringLiteral("Site Login"));
    box.setLabelText(QStringLiteral("Please Enter Your Password"));
    box.setTextValue(QString());
    box.setTextEchoMode(QLineEdit::Password);
    box.setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}
