#pragma once
// The layout check of the window tests: every visible caption (button, label, group box) has
// the width and the height it asks for, and lies whole inside its window, so no text is cut
// off on any side.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace kiv::test {

inline void ExpectNothingClipped(QWidget& top) {
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&top)) continue;
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w) &&
            !qobject_cast<QGroupBox*>(w))
            continue;
        const std::string name =
            std::string(w->metaObject()->className()) + " " + w->objectName().toStdString();
        const QSize wanted = w->minimumSizeHint();
        EXPECT_GE(w->width(), wanted.width()) << name;
        EXPECT_GE(w->height(), wanted.height()) << name;
        const QRect inTop(w->mapTo(&top, QPoint(0, 0)), w->size());
        EXPECT_TRUE(top.rect().contains(inTop))
            << name << " at " << inTop.x() << "," << inTop.y() << " " << inTop.width() << "x"
            << inTop.height() << " outside its window " << top.width() << "x" << top.height();
    }
}

} // namespace kiv::test
