// The 25 numbered button sets (normal "a", pointer over "b", pressed "c"), the highlighted
// tabs and the locked save button.
#include "button_pictures.h"
#include "picture_writer.h"

#include "shell/shell_palette.h"

#include <QList>

using namespace ShellPalette;

namespace {

void writeSet(PictureWriter& out, int n, const ButtonDrawing& drawing) {
    out.save(QStringLiteral("%1a.png").arg(n), PaintButton(drawing, ButtonState::Normal));
    out.save(QStringLiteral("%1b.png").arg(n), PaintButton(drawing, ButtonState::Hover));
    out.save(QStringLiteral("%1c.png").arg(n), PaintButton(drawing, ButtonState::Pressed));
}

const QSize TabSize{140, 36};
const QSize WindowButtonSize{40, 30};
const QSize ActionSize{96, 34};

const QStringList TabCaptions = {QStringLiteral("New Site"), QStringLiteral("My Account"),
                                 QStringLiteral("Template"), QStringLiteral("Page Manager"),
                                 QStringLiteral("Publish")};

} // namespace

void WriteButtonSets(PictureWriter& out) {
    const QColor card = Card;
    writeSet(out, 1,
             {{172, 42},
              ButtonLook::Primary,
              QStringLiteral("Start Building"),
              IconArrowRight,
              card,
              {},
              true});
    writeSet(out, 2, {WindowButtonSize, ButtonLook::WindowControl, {}, IconMinimise, Header});
    writeSet(out, 3, {WindowButtonSize, ButtonLook::WindowControl, {}, IconMaximise, Header});
    writeSet(out, 4, {WindowButtonSize, ButtonLook::WindowClose, {}, IconClose, Header});
    writeSet(out, 5, {{73, 20}, ButtonLook::Primary, QStringLiteral("Preview"), {}, card});
    writeSet(
        out, 6,
        {{112, 40}, ButtonLook::Primary, QStringLiteral("Next"), IconArrowRight, card, {}, true});
    writeSet(out, 7, {ActionSize, ButtonLook::Success, QStringLiteral("Save"), {}, card});
    writeSet(out, 8, {{104, 34}, ButtonLook::Neutral, QStringLiteral("Preview"), IconEye, card});
    writeSet(out, 9, {{156, 34}, ButtonLook::Primary, QStringLiteral("Save & Publish"), {}, card});
    writeSet(out, 10, {{84, 34}, ButtonLook::Primary, QStringLiteral("OK"), {}, card});
    for (int k = 1; k <= 5; ++k)
        writeSet(out, 10 + k, {TabSize, ButtonLook::Tab, TabCaptions[k - 1], {}, Header});
    writeSet(out, 16, {{30, 26}, ButtonLook::RowIcon, {}, IconTick, card, Success});
    writeSet(out, 17, {{30, 26}, ButtonLook::RowIcon, {}, IconEye, card, Disabled});
    writeSet(out, 18, {{36, 26}, ButtonLook::RowIcon, {}, IconPencil, card});
    writeSet(out, 19, {{36, 26}, ButtonLook::RowIcon, {}, IconRename, card});
    writeSet(out, 20, {{22, 22}, ButtonLook::RowDanger, {}, IconTrash, card});
    writeSet(out, 21, {{124, 34}, ButtonLook::Primary, QStringLiteral("New Page"), IconPlus, card});
    writeSet(out, 22, {{124, 34}, ButtonLook::Primary, {}, {}, card});
    writeSet(out, 23,
             {ActionSize, ButtonLook::Neutral, QStringLiteral("Export"), IconExport, card});
    writeSet(out, 24, {{24, 22}, ButtonLook::Toolbar, {}, {}, Toolbar});
    writeSet(out, 25, {{24, 22}, ButtonLook::Neutral, {}, {}, card});

    for (int k = 2; k <= 5; ++k)
        out.save(QStringLiteral("m%1.png").arg(k),
                 PaintButton({TabSize, ButtonLook::TabSelected, TabCaptions[k - 1], {}, Header},
                             ButtonState::Normal));
    out.save(QStringLiteral("locked_save.png"),
             PaintButton({ActionSize, ButtonLook::Locked, QStringLiteral("Save"), IconLock, card},
                         ButtonState::Normal));
}
