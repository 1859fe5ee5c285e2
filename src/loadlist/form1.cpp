#include "loadlist/form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "common/numbers.h"
#include "entry/form6.h"
#include "results/form3.h"
#include "shell/imagebutton.h"
#include "shell/look.h"
#include "shell/maker.h"
#include "shell/platform.h"
#include "shell/screens.h"
#include "sizing/runtime_table.h"
#include "sizing/suggestion.h"

namespace vellimar {

namespace {} // namespace

Form1::Form1() : Screen("Form1", ApplicationTitle, 4680, 4635) {
    // Controls of the keyboard order come first, in that order.
    List1 = make_control<QListWidget>(this, "List1", twipsRect(135, 1095, 2535, 2790));
    List1->setToolTip(QStringLiteral("Items to be protected by single UPS"));
    List1->setAccessibleName(QStringLiteral("List of items to protect"));
    List1->setUniformItemSizes(true);

    Combo1 = make_control<QComboBox>(this, "Combo1", twipsRect(120, 4080, 2535, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->setToolTip(QStringLiteral("How long you want the UPS to provide power"));
    Combo1->setAccessibleName(QStringLiteral("Desired runtime"));
    for (const char* item : {"15 min.", "30 min.", "60 min./ 1 hour", "120 min./ 2 hours",
                             "240 min./ 4 hours", "480 min./ 8 hours"})
        Combo1->addItem(QString::fromLatin1(item), 0);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Select Runtime..."));
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo1_Edited);
    // The combo box would select the item that reads like the typed text when
    // editing ends (focus lost, Return); a typed runtime selects nothing.
    disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);

    List2 = make_control<QListWidget>(this, "List2", twipsRect(0, 1080, 135, 2790));
    List2->hide();

    Text1 = make_control<QLineEdit>(this, "Text1", twipsRect(3240, 3270, 975, 285), QStringLiteral("0"));
    Text1->hide();

    Option1 = make_control<QRadioButton>(this, "Option1", twipsRect(3300, 1035, 210, 225));
    Option1->setAccessibleName(QStringLiteral("120 Volt"));
    Option1->setChecked(true);
    Option2 = make_control<QRadioButton>(this, "Option2", twipsRect(3300, 1290, 210, 225));
    Option2->setAccessibleName(QStringLiteral("230 Volt"));

    setTabOrder(List1, Combo1);
    setTabOrder(Combo1, Option1);
    setTabOrder(Option1, Option2);

    const QFont font = screen_font();
    Image1 = new Picture(this, "Image1", Bitmap::Logo, 150, 75);
    Image1->setAccessibleName(QStringLiteral("Vellimar"));
    Label10 = make_label(this, "Label10", QStringLiteral("For more information:"),
                         twipsRect(2040, 60, 1680, 210), font);
    Label9 = make_label(this, "Label9", MakerTelephone, twipsRect(2010, 285, 1680, 210), font);
    Label11 = make_label(this, "Label11", MakerWebAddress, twipsRect(2025, 495, 1680, 270), font);
    Label7 = make_label(this, "Label7", QStringLiteral("List of items to protect:"),
                        twipsRect(135, 870, 2130, 270), font);
    Label5 = make_label(this, "Label5", QStringLiteral("120 Volt"), twipsRect(3540, 1035, 825, 300), font);
    Label6 = make_label(this, "Label6", QStringLiteral("230 Volt"), twipsRect(3540, 1305, 765, 240), font);
    Label4 = make_label(this, "Label4", QStringLiteral("Total VA:"), twipsRect(3315, 3075, 930, 240),
                        screen_font(8.25, Bold));
    Label4->hide();

    Image2 = new ImageButton(this, "Image2", Bitmap::Face, 3015, 1740);
    Image2->set_press_positions({3000, 1770}, {3015, 1740});
    Image2->setToolTip(QStringLiteral("Add Another Item to List"));
    Image3 = new ImageButton(this, "Image3", Bitmap::Face, 3015, 2385);
    Image3->set_press_positions({3000, 2425}, {3015, 2385});
    Image3->setToolTip(QStringLiteral("Clear List"));
    Image4 = new ImageButton(this, "Image4", Bitmap::LargeFace, 2790, 3765);
    Image4->set_press_positions({2760, 3805}, {2775, 3765});
    Image4->setToolTip(QStringLiteral("Suggest a UPS based on total VA above"));
    Image6 = new ImageButton(this, "Image6", Bitmap::Help, 4230, 15);
    Image6->setToolTip(QStringLiteral("Help"));
    Image6->set_caption(QStringLiteral("Help"));

    Label1 =
        make_caption(this, "Label1", QStringLiteral(" Add Another"), twipsRect(3120, 1815, 1140, 255),
                     screen_font(8.25, Regular, QStringLiteral("Arial")), Qt::AlignHCenter | Qt::AlignTop);
    Label8 = make_caption(this, "Label8", QStringLiteral("Item"), twipsRect(3510, 1980, 435, 210), font);
    Label2 =
        make_caption(this, "Label2", QStringLiteral("Start Over"), twipsRect(3330, 2535, 975, 300), font);
    Label3 = make_caption(this, "Label3", QStringLiteral("Suggest a UPS"), twipsRect(3090, 3915, 1275, 450),
                          screen_font(8.25, Bold), Qt::AlignHCenter | Qt::AlignTop);
    Image2->set_caption(QStringLiteral("Add Another Item"));
    Image3->set_caption(Label2->text());
    Image4->set_caption(Label3->text());

    setTabOrder(Option2, Image2);
    setTabOrder(Image2, Image3);
    setTabOrder(Image3, Image4);
    setTabOrder(Image4, Image6);

    connect(Image2, &ImageButton::clicked, this, &Form1::Image2_Click);
    connect(Image3, &ImageButton::clicked, this, &Form1::Image3_Click);
    connect(Image4, &ImageButton::clicked, this, &Form1::Image4_Click);
    connect(Image6, &ImageButton::clicked, this, &Form1::Image6_Click);
}

void Form1::va_update() {
    // Every step rounds, so fractional loads are rounded one by one into the
    // running total. The total saturates rather than wrapping.
    std::int64_t total = 0;
    for (int i = 0; i < List2->count(); ++i) {
        double sum = static_cast<double>(total) + lenient_parse(List2->item(i)->text().toStdString());
        total = saturate_to_int64(round_half_even(sum));
    }
    Text1->setText(QString::fromStdString(number_to_text(total)));
}

void Form1::append_item(const QString& description, const QString& va_text) {
    List1->addItem(description);
    List2->addItem(va_text);
    va_update();
}

void Form1::Combo1_Edited(const QString& text) {
    // Typed text selects no item, even when an item was chosen before.
    if (Combo1->currentIndex() == -1)
        return;
    QLineEdit* edit = Combo1->lineEdit();
    int cursor = edit->cursorPosition();
    const QSignalBlocker blocker(Combo1);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(text);
    edit->setCursorPosition(cursor);
}

void Form1::Image2_Click() {
    screens::form6().show();
    hide();
}

void Form1::Image3_Click() {
    List2->clear();
    List1->clear();
    va_update();
    hide();
    screens::form6().show();
}

void Form1::Image4_Click() {
    const QString runtime = Combo1->currentText();
    const double total = lenient_parse(Text1->text().toStdString());
    const std::string refusal = suggestion_refusal(runtime.toStdString(), total);
    if (!refusal.empty()) {
        show_message(QString::fromStdString(refusal), MessageIcon::Critical);
        return;
    }

    // A table that cannot be used is reported before any screen changes.
    std::vector<std::string> records;
    std::string error;
    if (!matching_records(DataPrefix + runtime_table_name(Option1->isChecked()), total, records, error)) {
        show_message(QString::fromStdString(error), MessageIcon::Critical);
        return;
    }
    const auto models = class_models(records, Combo1->currentIndex());

    Form3& results = screens::form3();
    results.show();
    for (int k = 0; k < UpsClassCount; ++k)
        results.res[k]->setText(QString::fromStdString(models[static_cast<std::size_t>(k)]));
    hide();
    results.Label9->setText(runtime);
    results.Label1->setText(Text1->text());
}

void Form1::Image6_Click() {
    show_message(QStringLiteral("1. Select 120V or 230V\r2. Select desired runtime\r3. Click 'Suggest UPS'"),
                 MessageIcon::Information);
}

} // namespace vellimar
