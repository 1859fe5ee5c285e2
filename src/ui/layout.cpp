#include "ui/layout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>

#include "ui/accessibility.h"
#include "ui/image_button.h"
#include "ui/look.h"

namespace vellimar {

namespace {

// A click on the text beside an option button or a tick box is a click on
// the button, as where the text is part of the button.
constexpr const char* ClickTarget = "clickTarget";

class LabelClicks : public QObject {
  public:
    // Watches `label`, and goes with it.
    explicit LabelClicks(QLabel* label) : QObject(label) { label->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* button = qobject_cast<QAbstractButton*>(label->property(ClickTarget).value<QObject*>());
        if (!button || mouse->button() != Qt::LeftButton ||
            !label->rect().contains(mouse->position().toPoint()))
            return false;
        button->setFocus(Qt::MouseFocusReason);
        button->click();
        return true;
    }
};

// A list box as the keyboard knows it: with nothing selected, Down selects
// the first entry and Up the last. A list filled afresh starts at its top.
// An empty list says so to screen readers, which would read it as "list".
class ListBox : public QListWidget {
  public:
    explicit ListBox(QWidget* parent) : QListWidget(parent) {
        connect(model(), &QAbstractItemModel::rowsInserted, this, &ListBox::describe);
        connect(model(), &QAbstractItemModel::rowsRemoved, this, &ListBox::describe);
        connect(model(), &QAbstractItemModel::modelReset, this, &ListBox::describe);
        describe();
    }
    // The items go with the list's base class, after this part is gone.
    ~ListBox() override { QObject::disconnect(model(), nullptr, this, nullptr); }
    void reset() override {
        QListWidget::reset();
        scrollToTop();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool down = event->key() == Qt::Key_Down;
        if ((down || event->key() == Qt::Key_Up) && selectedItems().isEmpty() && count() > 0) {
            // Focus made the first entry current without selecting it; made
            // current afresh, it is reported to screen readers as it is chosen.
            selectionModel()->clearCurrentIndex();
            setCurrentRow(down ? 0 : count() - 1);
            return;
        }
        QListWidget::keyPressEvent(event);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange)
            describe();
        return QListWidget::event(event);
    }

  private:
    // Described by its tooltip, as Qt does, and as empty while it is.
    void describe() {
        const QString empty = QStringLiteral("Empty");
        setAccessibleDescription(count() > 0           ? QString()
                                 : toolTip().isEmpty() ? empty
                                                       : empty + QStringLiteral(". ") + toolTip());
    }
};

QWidget* make(QWidget* screen, const LayoutRow& row) {
    const QString text = QString::fromUtf8(row.text);
    const QRect area = twipsRect(row.area.left, row.area.top, row.area.width, row.area.height);
    const Qt::Alignment alignment = (row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    switch (row.kind) {
    case Kind::Label:
        return makeLabel(screen, row.name, text, area, screenFont(row.font), Qt::white, alignment);
    case Kind::GreyLabel:
        return makeLabel(screen, row.name, text, area, screenFont(row.font), CaptionGrey, alignment);
    case Kind::Caption:
        return makeCaption(screen, row.name, text, area, screenFont(row.font), alignment);
    case Kind::Button:
    case Kind::Icon: {
        auto* button = new ImageButton(screen, row.name, row.picture, row.area.left, row.area.top);
        if (row.kind == Kind::Button)
            button->setPressPositions(QPoint(row.pressed.left, row.pressed.top),
                                      QPoint(row.released.left, row.released.top));
        button->setAccessibleName(text);
        return button;
    }
    case Kind::Picture:
        return new Picture(screen, row.name, row.picture, row.area.left, row.area.top);
    case Kind::List: {
        auto* list = makeControl<ListBox>(screen, row.name, area);
        list->setUniformItemSizes(true);
        return list;
    }
    case Kind::Combo: {
        auto* combo = makeControl<QComboBox>(screen, row.name, area);
        // The open list names the entry it opens on.
        readCurrentItemOnFocus(combo->view());
        return combo;
    }
    case Kind::Option:
        return makeControl<QRadioButton>(screen, row.name, area);
    case Kind::Check:
        return makeControl<QCheckBox>(screen, row.name, area);
    case Kind::TextBox:
        return makeControl<QLineEdit>(screen, row.name, area);
    }
    return nullptr;
}

} // namespace

void missingControl(const QWidget* screen, const char* name, const char* kind) {
    qFatal("Screen %s has no %s named %s", qPrintable(screen->objectName()), kind, name);
}

void labelControls(const QWidget* screen, std::initializer_list<std::pair<const char*, const char*>> labels) {
    for (auto [labelName, labelled] : labels) {
        auto* label = control<QLabel>(screen, labelName);
        label->setBuddy(control<QWidget>(screen, labelled));
        if (qobject_cast<QAbstractButton*>(label->buddy()))
            clickThroughLabels(screen, {{labelName, labelled}});
    }
}

void clickThroughLabels(const QWidget* screen,
                        std::initializer_list<std::pair<const char*, const char*>> labels) {
    for (auto [labelName, button] : labels) {
        auto* label = control<QLabel>(screen, labelName);
        label->setProperty(ClickTarget,
                           QVariant::fromValue<QObject*>(control<QAbstractButton>(screen, button)));
        new LabelClicks(label);
    }
}

void layOut(QWidget* screen, const std::vector<LayoutRow>& rows) {
    QWidget* previous = nullptr;
    for (const LayoutRow& row : rows) {
        QWidget* widget = make(screen, row);
        if (*row.tooltip)
            widget->setToolTip(QString::fromUtf8(row.tooltip));
        const bool label =
            row.kind == Kind::Label || row.kind == Kind::GreyLabel || row.kind == Kind::Caption;
        if (!label)
            widget->setAccessibleName(QString::fromUtf8(row.text));
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

} // namespace vellimar
