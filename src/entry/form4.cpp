#include "entry/form4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <initializer_list>
#include <utility>

#include "core/numbers.h"
#include "entry/form6.h"
#include "loadlist/form1.h"
#include "shell/imagebutton.h"
#include "shell/look.h"
#include "shell/platform.h"
#include "shell/screens.h"

namespace vellimar {

namespace {

using VaItems = std::initializer_list<std::pair<const char*, int>>;

// A selection-only list: it shows its prompt until an item is chosen, and
// each item carries its VA figure as item data.
QComboBox* make_parts_list(QWidget* parent, const char* name, int top, const QString& prompt, VaItems items) {
    auto* combo = make_control<QComboBox>(parent, name, twipsRect(435, top, 3855, 315));
    combo->setEditable(false);
    combo->setAccessibleName(prompt);
    for (auto [text, va] : items)
        combo->addItem(QString::fromLatin1(text), va);
    // The prompt stands in the box as its text, not greyed out like a hint.
    combo->setPlaceholderText(prompt);
    QPalette palette = combo->palette();
    palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::ButtonText));
    combo->setPalette(palette);
    combo->setCurrentIndex(-1);
    return combo;
}

// A bare tick box; the label beside it names it.
QCheckBox* make_check(QWidget* parent, const char* name, int top, const QString& label) {
    auto* check = make_control<QCheckBox>(parent, name, twipsRect(1155, top, 255, 255));
    check->setAccessibleName(label);
    return check;
}

// The list still shows its prompt (or nothing) rather than a chosen part.
bool nothing_chosen(const QComboBox* combo, const QString& prompt) {
    const QString text = combo->currentText();
    return combo->currentIndex() < 0 || text.isEmpty() || text == prompt;
}

const QString TypePrompt = QStringLiteral("Select Computer Type:");
const QString ProcessorPrompt = QStringLiteral("Select Processor:");
const QString MonitorPrompt = QStringLiteral("Select Monitor:");

} // namespace

Form4::Form4() : Screen("Form4", QStringLiteral("General Computer"), 4740, 5475) {
    // Controls of the keyboard order come first, in that order.
    Combo3 = make_parts_list(this, "Combo3", 690, TypePrompt,
                             {{"Desktop", 0}, {"Minitower", 0}, {"Full tower", 30}});
    Combo1 = make_parts_list(this, "Combo1", 1170, ProcessorPrompt,
                             {{"Dual Pentium Pro", 160},
                              {"Dual Pentium", 100},
                              {"Pentium Pro", 100},
                              {"Pentium II", 100},
                              {"Pentium", 70},
                              {"486", 65},
                              {"386", 60},
                              {"68000 (MAC)", 65},
                              {"Alpha", 115},
                              {"K6", 85},
                              {"MIPS", 115},
                              {"Power PC", 70}});
    Combo2 = make_parts_list(
        this, "Combo2", 1650, MonitorPrompt,
        {{"14-15 in.", 85}, {"16-17 in.", 115}, {"18-21 in.", 170}, {"LCD", 30}, {"None", 0}});
    Check1 = make_check(this, "Check1", 2055, QStringLiteral("CD-ROM"));
    Check2 = make_check(this, "Check2", 2415, QStringLiteral("Modem"));
    Check3 = make_check(this, "Check3", 2775, QStringLiteral("Speakers"));
    Check4 = make_check(this, "Check4", 3135, QStringLiteral("Scanner"));
    Check5 = make_check(this, "Check5", 3495, QStringLiteral("External Drive (Zip, Jaz, etc)"));
    Check6 = make_check(this, "Check6", 3975, QStringLiteral("Other Device VA:"));
    Text2 = new QLineEdit(QStringLiteral("0"), this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twipsRect(2820, 3945, 975, 285));
    Text2->setAccessibleName(QStringLiteral("Other Device VA"));

    QWidget* order[] = {Combo3, Combo1, Combo2, Check1, Check2, Check3, Check4, Check5, Check6, Text2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    const QFont font = screen_font();
    Image3 = new ImageButton(this, "Image3", Bitmap::Help, 4290, 15);
    Image3->setToolTip(QStringLiteral("Help"));
    Image3->set_caption(QStringLiteral("Help"));
    Label4 = make_label(this, "Label4", QStringLiteral("Select general computer components:"),
                        twipsRect(75, 165, 3975, 540), screen_font(9.75, Bold), Qt::white,
                        Qt::AlignHCenter | Qt::AlignTop);
    Label5 = make_label(this, "Label5", QStringLiteral("CD-ROM"), twipsRect(1440, 2100, 840, 270), font);
    Label6 = make_label(this, "Label6", QStringLiteral("Modem"), twipsRect(1455, 2445, 795, 270), font);
    Image4 = new Picture(this, "Image4", Bitmap::Logo, 2880, 2475);
    Image4->setAccessibleName(QStringLiteral("Vellimar"));
    Label7 = make_label(this, "Label7", QStringLiteral("Speakers"), twipsRect(1455, 2820, 900, 240), font);
    Label8 = make_label(this, "Label8", QStringLiteral("Scanner"), twipsRect(1455, 3165, 690, 240), font);
    Label9 = make_label(this, "Label9", QStringLiteral("External Drive (Zip, Jaz, etc)"),
                        twipsRect(1455, 3525, 2175, 255), font);
    Label3 = make_label(this, "Label3", QStringLiteral("Other Device VA:"), twipsRect(1455, 4005, 1290, 330),
                        font);

    Image2 = new ImageButton(this, "Image2", Bitmap::LargeFace, 315, 4560);
    Image2->set_press_positions({300, 4590}, {315, 4560});
    Image2->setToolTip(QStringLiteral("Cancel"));
    Image1 = new ImageButton(this, "Image1", Bitmap::LargeFace, 2595, 4560);
    Image1->set_press_positions({2580, 4590}, {2595, 4560});
    Image1->setToolTip(QStringLiteral("Add this computer configuration to the list"));
    const QFont caption = screen_font(9.75, Bold);
    Label2 = make_caption(this, "Label2", QStringLiteral("Cancel"), twipsRect(855, 4785, 870, 330), caption);
    Label1 = make_caption(this, "Label1", QStringLiteral(" Add This System"),
                          twipsRect(2880, 4665, 1275, 510), caption, Qt::AlignHCenter | Qt::AlignTop);
    Image2->set_caption(Label2->text());
    Image1->set_caption(QStringLiteral("Add This System"));

    setTabOrder(Text2, Image1);
    setTabOrder(Image1, Image2);
    setTabOrder(Image2, Image3);

    connect(Image1, &ImageButton::clicked, this, &Form4::Image1_Click);
    connect(Image2, &ImageButton::clicked, this, &Form4::Image2_Click);
    connect(Image3, &ImageButton::clicked, this, &Form4::Image3_Click);
}

void Form4::Image1_Click() {
    if (nothing_chosen(Combo3, TypePrompt)) {
        show_message(QStringLiteral("You need to select a computer type or click 'Cancel'\r\n"
                                    "and select category 'Enter Your Own VA Rating'"));
        return;
    }
    double va = Combo3->currentData().toInt();
    if (nothing_chosen(Combo1, ProcessorPrompt)) {
        show_message(QStringLiteral("You need to select a processor type"));
        return;
    }
    va += Combo1->currentData().toInt();
    if (nothing_chosen(Combo2, MonitorPrompt)) {
        show_message(QStringLiteral("You need to select a monitor"));
        return;
    }
    va += Combo2->currentData().toInt();

    const std::pair<QCheckBox*, int> peripherals[] = {
        {Check1, 15}, {Check2, 15}, {Check3, 15}, {Check4, 30}, {Check5, 20}};
    for (auto [check, figure] : peripherals) {
        if (check->isChecked())
            va += figure;
    }
    if (Check6->isChecked()) {
        const double other = lenient_parse(Text2->text().toStdString());
        if (other < 0) {
            show_message(QStringLiteral("You need to specify a VA value if you check Other VA"));
            return;
        }
        va += other;
    }

    Form1& list = screens::form1();
    list.append_item(QStringLiteral("General PC"), QString::fromStdString(number_to_text(va)));
    hand_over_to(list);
}

void Form4::Image2_Click() {
    hand_over_to(screens::form6());
}

void Form4::Image3_Click() {
    show_message(QStringLiteral("Select the individual components of the system you\r"
                                "wish to protect.  When done, click 'Add This System'."),
                 MessageIcon::Information);
}

} // namespace vellimar
