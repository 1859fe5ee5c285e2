#include "entry/form6.h"

#include <QLabel>
#include <QListWidget>

#include "core/numbers.h"
#include "entry/form2.h"
#include "entry/form4.h"
#include "loadlist/form1.h"
#include "shell/imagebutton.h"
#include "shell/look.h"
#include "shell/platform.h"
#include "shell/screens.h"

namespace vellimar {

namespace {

ImageButton* long_button(Form6* form, const char* name, int top) {
    auto* button = new ImageButton(form, name, Bitmap::LongFace, 405, top);
    button->set_press_positions({390, top + 30}, {405, top});
    return button;
}

} // namespace

Form6::Form6() : Screen("Form6", ApplicationTitle, 4515, 4890) {
    const QFont caption = screen_font(8.25, Bold);
    Label7 = make_label(this, "Label7", QStringLiteral("Select type of equipment to protect:"),
                        twipsRect(60, 120, 3765, 345), screen_font(9.75, Bold), Qt::white,
                        Qt::AlignHCenter | Qt::AlignTop);

    Image1 = long_button(this, "Image1", 675);
    Image2 = long_button(this, "Image2", 1275);
    Image3 = long_button(this, "Image3", 1875);
    Image4 = long_button(this, "Image4", 2475);
    Image5 = long_button(this, "Image5", 3075);
    Image8 = long_button(this, "Image8", 3675);
    Image6 = new ImageButton(this, "Image6", Bitmap::Face, 150, 4275);
    Image6->set_press_positions({120, 4305}, {150, 4275});
    Image7 = new ImageButton(this, "Image7", Bitmap::Help, 4050, 15);
    Image7->setToolTip(QStringLiteral("Help"));
    Image7->set_caption(QStringLiteral("Help"));

    Label1 = make_caption(this, "Label1", QStringLiteral("General Computer / Workstation"),
                          twipsRect(825, 780, 2910, 300), caption, Qt::AlignHCenter | Qt::AlignTop);
    Label2 = make_caption(this, "Label2", QStringLiteral("Network Server"), twipsRect(1545, 1380, 1515, 300),
                          caption);
    Label3 = make_caption(this, "Label3", QStringLiteral("Networking Equipment"),
                          twipsRect(1320, 1980, 2145, 285), caption);
    Label4 = make_caption(this, "Label4", QStringLiteral("Telecommunications Equipment"),
                          twipsRect(885, 2580, 2970, 390), caption);
    Label5 = make_caption(this, "Label5", QStringLiteral("Other Electronic Equipment"),
                          twipsRect(1080, 3180, 2550, 330), caption);
    Label8 = make_caption(this, "Label8", QStringLiteral("Enter Your Own VA"),
                          twipsRect(1425, 3780, 1680, 330), caption);
    Label6 =
        make_caption(this, "Label6", QStringLiteral("Main Menu"), twipsRect(360, 4425, 975, 225), caption);

    const std::pair<ImageButton*, QLabel*> captioned[] = {
        {Image1, Label1}, {Image2, Label2}, {Image3, Label3}, {Image4, Label4},
        {Image5, Label5}, {Image8, Label8}, {Image6, Label6}};
    for (auto [button, label] : captioned)
        button->set_caption(label->text());

    connect(Image1, &ImageButton::clicked, this, &Form6::Image1_Click);
    connect(Image2, &ImageButton::clicked, this, &Form6::Image2_Click);
    connect(Image3, &ImageButton::clicked, this, &Form6::Image3_Click);
    connect(Image4, &ImageButton::clicked, this, &Form6::Image4_Click);
    connect(Image5, &ImageButton::clicked, this, &Form6::Image5_Click);
    connect(Image6, &ImageButton::clicked, this, &Form6::Image6_Click);
    connect(Image7, &ImageButton::clicked, this, &Form6::Image7_Click);
    connect(Image8, &ImageButton::clicked, this, &Form6::Image8_Click);

    // Keyboard order follows the buttons from top to bottom.
    setTabOrder(Image1, Image2);
    setTabOrder(Image2, Image3);
    setTabOrder(Image3, Image4);
    setTabOrder(Image4, Image5);
    setTabOrder(Image5, Image8);
    setTabOrder(Image8, Image6);
    setTabOrder(Image6, Image7);
}

void Form6::Form_Load() {
    DataPrefix.clear();
}

void Form6::Image1_Click() {
    hide();
    screens::form4().show();
}

void Form6::open_picker(const QString& key, const QString& first_prompt, const QString& second_prompt) {
    Form2& picker = screens::form2();
    picker.Label1->setText(key);
    picker.Label2->setText(first_prompt);
    picker.Label3->setText(second_prompt);
    picker.show();
    hide();
    picker.getmanufs();
}

void Form6::Image2_Click() {
    open_picker(QStringLiteral("server"), QStringLiteral("1. Select Manufacturer:"),
                QStringLiteral("2. Select Model:"));
}

void Form6::Image3_Click() {
    open_picker(QStringLiteral("network"), QStringLiteral("1. Select Manufacturer:"),
                QStringLiteral("2. Select Model:"));
}

void Form6::Image4_Click() {
    open_picker(QStringLiteral("telecom"), QStringLiteral("1. Select Manufacturer:"),
                QStringLiteral("2. Select Model:"));
}

void Form6::Image5_Click() {
    open_picker(QStringLiteral("other"), QStringLiteral("1. Select device:"),
                QStringLiteral("2. Select type:"));
}

void Form6::Image6_Click() {
    hide();
    screens::form1().show();
}

void Form6::Image7_Click() {
    show_message(
        QStringLiteral(
            "Welcome to the Vellimar UPS Selector!\r\rTo start, select the general category you wish."),
        MessageIcon::Information);
}

void Form6::Image8_Click() {
    QString typed = platform().dialogs->input(QStringLiteral("Enter VA Rating:"),
                                              QStringLiteral("Specify VA"), QString());
    double rounded = round_half_even(lenient_parse(typed.toStdString()));
    if (!(rounded >= 1 && rounded <= 5000)) {
        show_message(QStringLiteral("Enter a VA value between 1 and 5000 VA.\r\n"
                                    "5000 VA is the largest rating Vellimar UPSs handle."));
        return;
    }
    const QString value = QString::fromStdString(number_to_text(static_cast<std::int64_t>(rounded)));
    Form1& list = screens::form1();
    list.append_item(QStringLiteral("Specific VA: ") + value, value);
    hand_over_to(list);
}

} // namespace vellimar
