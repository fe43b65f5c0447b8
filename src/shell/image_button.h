#pragma once

#include "shell/picture_sets.h"

#include <QLabel>
#include <functional>

// A button drawn as a picture: normal, pointer over it, pressed, from one of the shared
// picture sets. A guard, while it holds, makes the button ignore the pointer and keep the
// picture it has (the highlighted tab, the save lock, a formatting toggle that is on). The
// click (press and release on the button) always reaches clicked().
class ImageButton : public QLabel {
    Q_OBJECT
public:
    enum class ReleaseTo { Normal, Hover, Nothing };

    ImageButton(QWidget* parent, const QString& objectName, const PictureSets& sets, int set,
                ReleaseTo release);

    int pictureSet() const { return set_; }
    void setPictureSet(int set) { set_ = set; }
    // guardsRelease false: the release still swaps the picture while the guard holds.
    void setGuard(std::function<bool()> guard, bool guardsRelease = true);
    // The pressed picture is another set's normal picture (a preview of the state a click makes).
    void setPressedFromNormalOf(int set) { pressedFrom_ = set; }
    // Only entering and leaving swap the picture.
    void setEnterLeaveOnly(bool on) { enterLeaveOnly_ = on; }
    // A widget laid over the button (a toolbar icon, a caption label) that acts as part of it.
    void addPart(QWidget* part);
    // Caption text laid twice over the button, the second copy one pixel up and right of the
    // first, as a shadow. The labels take the given object names.
    void addCaption(const QString& text, const QString& shadowName, const QString& labelName);

    void showNormal();
    void showHover();
    void showPressed();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool guarded() const { return guard_ && guard_(); }
    void onEnter();
    void onLeave();
    void onPress();
    void onRelease(bool inside);

    const PictureSets& sets_;
    int set_;
    ReleaseTo release_;
    std::function<bool()> guard_;
    bool guardsRelease_ = true;
    int pressedFrom_ = 0;
    bool enterLeaveOnly_ = false;
};
