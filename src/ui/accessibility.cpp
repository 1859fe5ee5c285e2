#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

#include "ui/image_button.h"

namespace vellimar {

namespace {

const char* const HiddenFromScreenReaders = "vellimar_hidden_from_screen_readers";
// On a group of options: its name; on an option: the group it belongs to.
const char* const GroupName = "vellimar_group_name";
const char* const OptionGroup = "vellimar_option_group";

bool hidden(const QAccessibleInterface* control) {
    return control && control->object() && control->object()->property(HiddenFromScreenReaders).toBool();
}

// As Qt reads its own push buttons, except that Qt's interface also names
// each window a button's click reaches as controlled by the button, and
// presses buttons of hidden screens.
class ButtonInterface : public QAccessibleWidget {
  public:
    explicit ButtonInterface(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        // A hidden screen's buttons stay where the user cannot reach them.
        if (button()->isVisible())
            button()->animateClick();
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// Qt reads a plain widget window as a filler; as a frame it is announced
// when it becomes active. Caption labels are left out of its children.
class WindowInterface : public QAccessibleWidget {
  public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> shown = children();
        return index >= 0 && index < shown.size() ? shown.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QAccessibleInterface*> shown = children();
        for (int i = 0; i < shown.size(); ++i) {
            if (shown.at(i) == child)
                return i;
        }
        return -1;
    }

  private:
    QList<QAccessibleInterface*> children() const {
        QList<QAccessibleInterface*> shown;
        const int count = QAccessibleWidget::childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !hidden(child))
                shown.append(child);
        }
        for (QObject* group : widget()->children()) {
            if (group->property(GroupName).isValid())
                shown.append(QAccessible::queryAccessibleInterface(group));
        }
        return shown;
    }
};

// A group of options that has no widget of its own: a name that the
// options point to as their label.
class GroupInterface : public QAccessibleObject {
  public:
    explicit GroupInterface(QObject* group) : QAccessibleObject(group) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? object()->property(GroupName).toString() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override { return {}; }
};

// An option button, labelled by its group where it has one: a screen reader
// reads the label as the group's name, so the label beside the option would
// be read twice, once as the group and once as the option.
class OptionInterface : public QAccessibleWidget {
  public:
    explicit OptionInterface(QRadioButton* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related;
        auto* group = option()->property(OptionGroup).value<QObject*>();
        if ((match & QAccessible::Label) && group)
            related.append({QAccessible::queryAccessibleInterface(group), QAccessible::Label});
        return related + QAccessibleWidget::relations(match);
    }

    QStringList actionNames() const override {
        return QStringList(toggleAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != toggleAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (option()->isVisible() && option()->isEnabled())
            option()->click();
    }

  private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }
};

// A label named apart from its text ("Total VA" beside " 450"), or named
// by another label. Qt would give only the name, or read an empty label as
// the label naming it; here the name is the label's own, and the text is
// offered as read-only text.
class LabelInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shown();
        return QAccessibleWidget::text(type);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override {
        auto related = QAccessibleWidget::relations(match);
        QWidget* buddy = static_cast<QLabel*>(widget())->buddy();
        if ((match & QAccessible::Labelled) && buddy)
            related.append({QAccessible::queryAccessibleInterface(buddy), QAccessible::Labelled});
        return related;
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

  private:
    QString shown() const { return static_cast<QLabel*>(widget())->text(); }
};

bool namedByAnotherLabel(const QLabel* label) {
    const QWidget* parent = label->parentWidget();
    if (!parent)
        return false;
    for (const QLabel* sibling : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->buddy() == label)
            return true;
    }
    return false;
}

// As Qt reads a combo box on Linux (named by the shown text, the popup list
// and the edit line as children), except that
//  - a box one can type in is named by its label, as its edit line is;
//  - a box still showing its prompt is named by the prompt, not left unnamed,
//    and a box without a tooltip is described by its own accessible name;
//  - Press or ShowMenu on an open popup takes the item selected in it, as
//    Enter does from the keyboard: Qt 6.4 offers screen readers no other way
//    to choose an item;
//  - its value is the place of its choice, so that a choice changed by a key
//    on the closed box is reported as a change of value, which screen
//    readers read out with the new text. Orca leaves out a value equal to
//    the last one it read from any control, so each box's values are its
//    own: the place, and a fraction that belongs to this box.
class ComboInterface : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ComboInterface(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return combo()->currentIndex() + ownFraction(); }
    void setCurrentValue(const QVariant& value) override {
        const int place = static_cast<int>(std::floor(value.toDouble()));
        if (place >= -1 && place < combo()->count())
            combo()->setCurrentIndex(place);
    }
    QVariant maximumValue() const override { return combo()->count() - 1 + ownFraction(); }
    QVariant minimumValue() const override { return -1 + ownFraction(); }
    QVariant minimumStepSize() const override { return 1; }

    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

    // The edit line takes the keyboard for an editable box.
    QAccessibleInterface* focusChild() const override {
        return combo()->lineEdit() ? child(1) : QAccessibleWidget::focusChild();
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name && combo()->isEditable() && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (type == QAccessible::Name || type == QAccessible::Value) {
            const QString shown = combo()->currentText();
            return shown.isEmpty() && combo()->currentIndex() < 0 ? combo()->placeholderText() : shown;
        }
        const QString text = QAccessibleWidget::text(type);
        return type == QAccessible::Description && text.isEmpty() ? widget()->accessibleName() : text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.editable = combo()->isEditable();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (!combo()->view()->isVisible()) {
            combo()->showPopup();
            return;
        }
        const QItemSelectionModel* selection = combo()->view()->selectionModel();
        const QModelIndexList chosen = selection ? selection->selectedIndexes() : QModelIndexList();
        combo()->hidePopup();
        if (!chosen.isEmpty())
            combo()->setCurrentIndex(chosen.first().row());
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    // Told apart by the box's place among its window's boxes.
    double ownFraction() const {
        const QList<QComboBox*> boxes = widget()->window()->findChildren<QComboBox*>();
        return static_cast<double>(boxes.indexOf(combo()) + 1) / (boxes.size() + 1);
    }
};

// Qt leaves a message box's icon unnamed; its name says what kind of
// message it is.
class MessageIconInterface : public QAccessibleWidget {
  public:
    explicit MessageIconInterface(QLabel* icon) : QAccessibleWidget(icon, QAccessible::Graphic) {}

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name)
            return QAccessibleWidget::text(type);
        switch (static_cast<QMessageBox*>(widget()->window())->icon()) {
        case QMessageBox::Information:
            return QStringLiteral("Information");
        case QMessageBox::Warning:
            return QStringLiteral("Warning");
        case QMessageBox::Critical:
            return QStringLiteral("Error");
        case QMessageBox::Question:
            return QStringLiteral("Question");
        default:
            return QString();
        }
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    // Asked for the object's own class only, so that Qt's interfaces for the
    // classes beneath (and for its own dialogs) stay as they are.
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (!object->isWidgetType())
        return object->property(GroupName).isValid() ? new GroupInterface(object) : nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* button = qobject_cast<ImageButton*>(widget))
        return new ButtonInterface(button);
    if (qobject_cast<Picture*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget->isWindow() && className.startsWith(QLatin1String("vellimar::")))
        return new WindowInterface(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return new ComboInterface(combo);
    if (auto* option = qobject_cast<QRadioButton*>(widget))
        return new OptionInterface(option);
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label)
        return nullptr;
    if (!label->accessibleName().isEmpty() || namedByAnotherLabel(label))
        return new LabelInterface(label);
    if (label->text().isEmpty() && qobject_cast<QMessageBox*>(label->window()) && label->window() != label)
        return new MessageIconInterface(label);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(interfaceFor);
}

void hideFromScreenReaders(QWidget* caption) {
    caption->setProperty(HiddenFromScreenReaders, true);
}

void readCurrentItemOnFocus(QAbstractItemView* list) {
    QObject::connect(qApp, &QApplication::focusChanged, list, [list](QWidget*, QWidget* now) {
        if (now != list)
            return;
        // After Qt's own report that the list has the focus.
        QTimer::singleShot(0, list, [list] {
            if (!list->hasFocus() || !list->currentIndex().isValid())
                return;
            QAccessibleEvent event(list, QAccessible::Focus);
            event.setChild(list->currentIndex().row());
            QAccessible::updateAccessibility(&event);
        });
    });
}

void groupOptions(QWidget* screen, const QString& name, std::initializer_list<QWidget*> options) {
    auto* group = new QObject(screen);
    group->setProperty(GroupName, name);
    const QList<QWidget*> members(options);
    // Tab and Shift+Tab reach the group at its chosen option; the arrow keys
    // move within it. Qt would reach whichever option the first key meets.
    const auto chosenTakesTab = [members] {
        for (QWidget* member : members) {
            const auto* option = qobject_cast<QAbstractButton*>(member);
            member->setFocusPolicy(option && option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QWidget* option : options) {
        option->setProperty(OptionGroup, QVariant::fromValue(group));
        if (auto* button = qobject_cast<QAbstractButton*>(option))
            QObject::connect(button, &QAbstractButton::toggled, group, chosenTakesTab);
    }
    chosenTakesTab();
}

} // namespace vellimar
