// ProductType.h first: its member `slots` must be read before Qt defines
// the keyword of that name.
#include "document/ProductType.h"

#include "app/Accessible.h"

#include "app/QelView.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMap>
#include <QPointer>

namespace kiv {

namespace {

// A combo box named by its caption; the rest as Qt's own interface has it.
class CComboAccessible : public QAccessibleWidget {
  public:
    explicit CComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
        // The name: the accessible name, else the buddy label's caption;
        // never the current item.
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return Combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
        if (index == 1 && Combo()->isEditable())
            return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == Combo()->view()) return 0;
        if (Combo()->isEditable() && child->object() == Combo()->lineEdit()) return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        if (Combo()->isEditable() &&
            QRect(Combo()->lineEdit()->mapToGlobal(QPoint(0, 0)), Combo()->lineEdit()->size())
                .contains(x, y))
            return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Combo()->view()->isVisible())
            Combo()->hidePopup();
        else
            Combo()->showPopup();
    }
};

// One painted text of the status panel.
class CPanelTextAccessible : public QAccessibleInterface {
  public:
    CPanelTextAccessible(CQelView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override {
        return view_ && index_ < static_cast<int>(view_->PanelTexts().size());
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) s.invalid = true;
        s.readOnly = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        return view_->PanelTexts()[static_cast<std::size_t>(index_)].text;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const CQelView::PanelText t = view_->PanelTexts()[static_cast<std::size_t>(index_)];
        const QFontMetrics metrics(CQelView::PanelFont());
        return QRect(view_->mapToGlobal(t.pos),
                     QSize(metrics.horizontalAdvance(t.text), metrics.height()));
    }

  private:
    QPointer<CQelView> view_;
    int index_;
};

// The main view: a pane whose children are the panel's texts.
class CViewAccessible : public QAccessibleWidget {
  public:
    explicit CViewAccessible(CQelView* view) : QAccessibleWidget(view, QAccessible::Pane) {}
    ~CViewAccessible() override {
        for (QAccessible::Id id : std::as_const(children_))
            QAccessible::deleteAccessibleInterface(id);
    }
    CViewAccessible(const CViewAccessible&) = delete;
    CViewAccessible& operator=(const CViewAccessible&) = delete;

    CQelView* View() const { return static_cast<CQelView*>(widget()); }

    int childCount() const override { return static_cast<int>(View()->PanelTexts().size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const QAccessible::Id id = children_.value(index))
            return QAccessible::accessibleInterface(id);
        auto* text = new CPanelTextAccessible(View(), index);
        children_.insert(index, QAccessible::registerAccessibleInterface(text));
        return text;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = children_.cbegin(); it != children_.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c->rect().contains(x, y)) return c;
        return nullptr;
    }

  private:
    mutable QMap<int, QAccessible::Id> children_;
};

} // namespace

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("QComboBox"))
        return new CComboAccessible(static_cast<QComboBox*>(object));
    if (auto* view = qobject_cast<CQelView*>(object);
        view && className == QLatin1String(view->metaObject()->className()))
        return new CViewAccessible(view);
    return nullptr;
}

} // namespace kiv
