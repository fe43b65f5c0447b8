#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The start screen's panel: the choice New Site or Existing Site, the one text box with its
// caption, the inline error line and the forgotten-password link. It only collects and shows;
// what Next does is decided by its owner.
class StartPanel : public QObject {
    Q_OBJECT
public:
    enum class Mode { NewSite, ExistingSite };

    // panel is the start screen's panel; nextButton (the Start Building picture) lies on it.
    StartPanel(QWidget* panel, QWidget* nextButton);

    Mode mode() const { return mode_; }
    void ChooseNewSite();
    void ChooseExistingSite();
    // The box's text exactly as typed.
    QString typedText() const;
    // Shows message on the inline error line beside the box.
    void ShowInlineError(const QString& message);
    void HideInlineError();

    QLineEdit* edit() const { return edit1_; }

signals:
    // Next was clicked or Enter released in the text box.
    void nextRequested();
    void passwordMailRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterMode(Mode mode);

    QWidget* panel_;
    QWidget* nextButton_;
    Mode mode_ = Mode::NewSite;
    bool enterPressed_ = false;
    QRadioButton* newSite_;      // RadioButton8
    QRadioButton* existingSite_; // RadioButton9
    QLabel* caption_;            // Label1
    QLineEdit* edit1_;           // Edit1
    QLabel* error_;              // Label2
    QLabel* forgotPassword_;     // Label131
};

// The modal login prompt "Site Login": the typed password, masked with "*" while typed;
// empty when cancelled.
QString AskSitePassword(QWidget* parent);
