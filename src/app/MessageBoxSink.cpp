#include "app/MessageBoxSink.h"

#include "app/QtText.h"
#include "app/Texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kiv {

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgAnswer CMessageBoxSink::Ask(const Message& message) {
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QMessageBox box(ToQtIcon(message.icon), ToQString(message.caption), ToQString(message.text),
                    QMessageBox::NoButton, parent);
    // The captions are set here so that they are Italian whatever the
    // system's translations.
    auto add = [&box](QMessageBox::StandardButton b, const char* caption) {
        QPushButton* button = box.addButton(b);
        button->setText(QString::fromUtf8(caption));
        return button;
    };
    switch (message.buttons) {
    case MsgButtons::Ok:
        box.setDefaultButton(add(QMessageBox::Ok, ui::kSheetOk));
        break;
    case MsgButtons::OkCancel:
        box.setDefaultButton(add(QMessageBox::Ok, ui::kSheetOk));
        add(QMessageBox::Cancel, ui::kSheetCancel);
        break;
    case MsgButtons::YesNo:
        box.setDefaultButton(add(QMessageBox::Yes, ui::kYes));
        add(QMessageBox::No, ui::kNo);
        break;
    case MsgButtons::YesNoCancel:
        box.setDefaultButton(add(QMessageBox::Yes, ui::kYes));
        add(QMessageBox::No, ui::kNo);
        add(QMessageBox::Cancel, ui::kSheetCancel);
        break;
    }
    // The wait cursor of a load or a transfer gives way while the box waits.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        break;
    }
    // Escape or the close box: OK for a plain message, otherwise Cancel (or
    // No where there is no Cancel).
    if (message.buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (message.buttons == MsgButtons::YesNo) return MsgAnswer::No;
    return MsgAnswer::Cancel;
}

} // namespace kiv
