#include "platform/qt/SettingsDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "shell/frmKiv2.h"

namespace kiv {
namespace {

constexpr int kTwipsPerPixel = 15;

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

QRect PixelGeometry(const DialogControl& control) {
    return QRect(Pixels(control.left), Pixels(control.top), Pixels(control.width),
                 Pixels(control.height));
}

std::vector<DialogControl> InTabOrder(const DialogLayout& layout) {
    std::vector<DialogControl> controls(layout.controls, layout.controls + layout.controlCount);
    std::ranges::sort(controls, {}, &DialogControl::tabIndex);
    return controls;
}

// The "&" of the caption becomes the button's Alt shortcut.
QWidget* AddButton(QWidget* dialog, SurfaceEvents& events, const DialogControl& control) {
    auto* button = new QPushButton(QString::fromUtf8(control.caption), dialog);
    button->setAutoDefault(false);
    const ObjectId target = control.clickTarget;
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [&events, target] { events.Click(target); });
    return button;
}

QWidget* AddLabel(QWidget* dialog, const DialogControl& control) {
    auto* label = new QLabel(QString::fromUtf8(control.caption), dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

}  // namespace

SettingsDialog::SettingsDialog(SurfaceEvents& events)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      events_(events) {
    const DialogLayout& layout = SettingsDialogLayout();
    setWindowTitle(QString::fromUtf8(layout.caption));
    setFixedSize(Pixels(layout.clientWidth), Pixels(layout.clientHeight));

    QWidget* previous = nullptr;
    for (const DialogControl& control : InTabOrder(layout)) {
        QWidget* widget = control.kind == DialogControl::Kind::Button
                              ? AddButton(this, events, control)
                              : AddLabel(this, control);
        widget->setObjectName(control.name);
        widget->setGeometry(PixelGeometry(control));
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous)
            setTabOrder(previous, widget);
        else
            widget->setFocus();  // the first in the tab order has the focus on opening
        previous = widget;
    }
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    std::int16_t cancel = 0;
    events_.Unload(FormId::frmKiv2, cancel);
    if (cancel != 0) event->ignore();
}

}  // namespace kiv
