#include "ui/widgets/color_button.h"

#include "base/language.h"
#include "render/paint_tools.h"
#include "ui/widgets/dialog_seam.h"

#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace kv {

namespace {

constexpr TColor System(int index) {
    return static_cast<TColor>(0x80000000u | static_cast<quint32>(index));
}

QIcon Swatch(TColor color) {
    QPixmap pixmap(28, 14);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

void ShowFontSample(QLabel& label, const TFontData& font, TColor background, const QString& text) {
    QFont shown = ToQFont(font);
    shown.setPointSize(std::max(10, font.Size));
    label.setFont(shown);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ToQColor(font.Color));
    palette.setColor(QPalette::Window, ToQColor(background));
    label.setPalette(palette);
    label.setText(text);
}

std::vector<TSystemColor> SystemColors() {
    return {
        {System(15), LangText(10720, "Button Face")},
        {System(20), LangText(10721, "Button Highlight")},
        {System(16), LangText(10722, "Button Shadow")},
        {System(18), LangText(10723, "Button Text")},
        {System(5), LangText(10724, "Window")},
        {System(8), LangText(10725, "Window Text")},
        {System(13), LangText(10726, "Highlight")},
        {System(14), LangText(10727, "Highlight Text")},
        {System(24), LangText(10728, "Info Background")},
        {System(17), LangText(10729, "Grey Text")},
        {System(12), LangText(10730, "Application Workspace")},
        {System(4), LangText(10731, "Menu")},
    };
}

TColorButton::TColorButton(TDialogSeam& dialogs, const QString& text, QWidget* parent)
    : QToolButton(parent), dialogs_(dialogs) {
    setText(text);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setPopupMode(QToolButton::MenuButtonPopup);
    setIconSize(QSize(28, 14));
    auto* menu = new QMenu(this);
    menu->addAction(LangText(10732, "&Other Color..."), this, &TColorButton::Choose);
    menu->addSeparator();
    for (const TSystemColor& c : SystemColors()) {
        const TColor value = c.Color;
        menu->addAction(Swatch(value), c.Name, this, [this, value] { Pick(value); });
    }
    setMenu(menu);
    connect(this, &QToolButton::clicked, this, &TColorButton::Choose);
    SetColor(clBlack);
}

void TColorButton::SetColor(TColor color) {
    color_ = color;
    setIcon(Swatch(color));
}

void TColorButton::Choose() {
    TColor color = color_;
    if (dialogs_.ChooseColor(this, text().remove(QLatin1Char('&')).remove(QStringLiteral("...")),
                             color))
        Pick(color);
}

void TColorButton::Pick(TColor color) {
    SetColor(color);
    emit ColorChosen(color);
}

} // namespace kv
