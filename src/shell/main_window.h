#pragma once

#include "shell/image_button.h"
#include "shell/picture_sets.h"
#include "shell/shell_hooks.h"
#include "site/folders.h"
#include "site/site_state.h"

#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <array>

class BrowserRightClickFilter;

// The message that masks the password box of the login (posted just before the box opens).
inline constexpr int MaskPasswordMessage = 1224;

// The screens of the window.
enum ScreenModes {
    StartScreen = 1,
    GalleryScreen = 2,
    EditorScreen = 3,
    PageListScreen = 4,
    AccountScreen = 5,
    PublishScreen = 6
};

// The main window: a borderless frame around one screen at a time, the tabs and the step
// indicator, the modal overlay, and the timers of the window.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(SiteState& state, const Folders& folders, ShellHooks hooks = {});
    ~TForm1() override;

    // Values of the window.
    int ScreenMode = StartScreen;
    int SelectedTab = 0;
    bool SaveLock = false;
    bool FillsWorkArea = false;
    int HyperlinkCount = -1; // the region editor's links; -1 = none yet
    PictureSets Pictures;

    SiteState& state() { return state_; }
    const Folders& folders() const { return folders_; }
    const ShellHooks& hooks() const { return hooks_; }

    // Layout and screens.
    void FormResize();
    void SelectTab(int k);
    void ShowStep(int n);
    void EnterScreen(int mode);
    void OpenPageList();
    // A site is open: the page list with the tabs (start-up with a stored site, the start
    // screen's close button).
    void OpenSiteFromStart();
    // The page editor with the tabs and no tab highlighted (end of new-site creation, a
    // template change).
    void OpenEditorScreen();
    void SetFrameSize(QSize size);
    // The five tabs are shown exactly while a site is open.
    void ShowTabs(bool shown);

    // Overlay.
    void ShowOverlay();
    void ShowBusy(const QString& caption);
    void HideOverlay();
    // Cards that lie on the overlay, centred by ShowOverlay; fields go 30 right of and 80
    // below the card's top left corner.
    void AddDialogCard(QWidget* card, QWidget* fields = nullptr);
    void SetDeleteConfirmationCard(QWidget* card) { deleteCard_ = card; }

    // The save lock that follows a page save; Timer2 ends it.
    void StartSaveLock();
    std::function<bool()> SaveLockGuard() {
        return [this] { return SaveLock; };
    }
    // A picture button of one of the shared sets.
    ImageButton* MakeButton(QWidget* parent, const QString& name, int set,
                            ImageButton::ReleaseTo release);

    // The "published" popup of the publish run, once it exists; kept on the frame's bottom.
    void SetPublishedPopup(QWidget* popup) { publishedPopup_ = popup; }
    void ClosePublishedPopup();

    // Handlers of the tabs, the start screen and the gallery.
    void Image48Click();  // New Site
    void Image49Click();  // My Account
    void Image50Click();  // Template
    void Image51Click();  // Page Manager
    void Image52Click();  // Publish, and the "Publish" and "Upgrade" links
    void Image75Click();  // close the start screen
    void Image122Click(); // Back in the gallery
    // Window frame.
    void Image15Click(); // minimise
    void Image16Click(); // fill the work area / restore
    void Image17Click(); // close

    QRect savedBounds() const { return savedBounds_; }

    QTimer Timer1;  // resize grip steps
    QTimer Timer2;  // end of the save lock
    QTimer Timer3;  // page-list drag steps
    QTimer Timer6;  // end of new-site creation
    QTimer Timer7;  // end of the publish run
    QTimer Timer9;  // hover tracking of the editable regions
    QTimer Timer10; // end of login
    QTimer Timer12; // region rectangles after a window drag

signals:
    void closed();
    // The overlay's OK button (Image43) and its close button (Image45, the same as Cancel).
    // Without a receiver, the close button simply hides the overlay.
    void overlayConfirmed();
    void overlayCancelled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildScreens();
    void buildOverlay();
    void FormCreate();
    void FormDestroy();
    void MaskPasswordBox();
    void applyWindowShape();
    void layoutFrameParts(int W, int H);
    void layoutStartScreen(int W);
    void layoutSiteScreen(int W, int H);
    void Timer1Timer();
    void Timer2Timer();
    void Timer10Timer();
    void Timer12Timer();
    void startTitleDrag(QWidget* source, const QPoint& globalPos);
    QWidget* panelFor(int mode) const;
    void callHook(const std::function<void(TForm1&)>& hook) {
        if (hook)
            hook(*this);
    }

    SiteState& state_;
    Folders folders_;
    ShellHooks hooks_;
    BrowserRightClickFilter* rightClickFilter_ = nullptr;
    bool inFormResize_ = false;

    // Frame.
    QWidget* titleArea_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* title_ = nullptr;     // Image18
    QWidget* strip_ = nullptr;    // Image2
    QWidget* frame_ = nullptr;    // Image3
    QLabel* bottomBar_ = nullptr; // Image20
    QWidget* bottomLeft_ = nullptr;
    QWidget* bottomRight_ = nullptr;
    std::array<QWidget*, 4> borderLines_{};
    std::array<QLabel*, 4> corners_{};
    QLabel* grip_ = nullptr;
    std::array<QLabel*, 3> steps_{};
    std::array<ImageButton*, 5> tabs_{};
    ImageButton* minimiseButton_ = nullptr;
    ImageButton* fillButton_ = nullptr;
    ImageButton* closeButton_ = nullptr;

    // Start screen.
    QLabel* banner1_ = nullptr;
    QLabel* banner2_ = nullptr;
    QLabel* startArt_ = nullptr;
    ImageButton* startClose_ = nullptr; // Image75

    // Screens 1 to 6.
    std::array<QWidget*, 7> panels_{};
    QWidget* pageListScroll_ = nullptr;
    QWidget* accountScroll_ = nullptr;
    QWidget* publishForm_ = nullptr;
    QLabel* publishHeading_ = nullptr;
    ImageButton* newPageButton_ = nullptr; // Image55
    ImageButton* exportButton_ = nullptr;  // Image60

    // Overlay.
    QLabel* overlay_ = nullptr; // Panel7
    QLabel* busyCard_ = nullptr;
    QLabel* busyAnimation_ = nullptr;
    QLabel* busyCaption_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    QLabel* cancelLink_ = nullptr;        // Label11
    ImageButton* okButton_ = nullptr;     // Image43
    ImageButton* overlayClose_ = nullptr; // Image45
    QList<QPair<QWidget*, QWidget*>> dialogCards_;
    QWidget* deleteCard_ = nullptr;
    QWidget* publishedPopup_ = nullptr;

    // Window state.
    QRect savedBounds_;
    bool resizing_ = false;
    QPoint resizeStartCursor_;
    QSize resizeStartSize_;
    bool dragging_ = false;
    QPoint dragOffset_;
};
