#include "results/form3.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "loadlist/form1.h"
#include "results/form5.h"
#include "results/printout.h"
#include "shell/imagebutton.h"
#include "shell/look.h"
#include "shell/maker.h"
#include "shell/platform.h"
#include "shell/screens.h"

namespace vellimar {

namespace {

struct ClassRow {
    const char* button;
    int button_left, button_top;
    int res_left, res_top, res_width, res_height;
    const char* caption_name;
    const char* caption;
    int caption_left, caption_top, caption_width, caption_height;
};

// Information button, model label and class caption of each UPS class.
constexpr ClassRow ClassRows[7] = {
    {"Image4", 105, 420, 555, 435, 4635, 225, "Label4", "Basic battery backup only", 555, 630, 2580, 255},
    {"Image5", 105, 945, 555, 975, 4620, 255, "Label5", "Basic battery backup with standard interface port",
     555, 1155, 4035, 285},
    {"Image6", 105, 1485, 555, 1530, 4545, 255, "Label6", "Line interactive with standard interface port",
     555, 1710, 3870, 255},
    {"Image7", 105, 2010, 540, 2055, 4650, 255, "Label7", "Line interactive with smart interface port", 540,
     2220, 3060, 360},
    {"Image8", 90, 2715, 540, 2760, 4590, 255, "Label8",
     "Line interactive with smart interface port; rackmountable", 540, 2925, 4185, 285},
    {"Image9", 90, 3255, 555, 3300, 4560, 255, "Label10", "On-line UPS with smart interface port", 570, 3480,
     3930, 315},
    {"Image10", 90, 3765, 540, 3825, 4650, 255, "Label11", "Corehall UPS with smart interface port", 540,
     3990, 3240, 240},
};

} // namespace

Form3::Form3() : Screen("Form3", QStringLiteral("Selector Results"), 5250, 5955) {
    const QFont regular = screen_font();
    const QFont bold = screen_font(8.25, Bold);
    const QFont italic = screen_font(8.25, Italic);
    constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;

    // Laid first, so the sentence around it is drawn above it. Placed 90
    // twips left and 45 up of the layout's place, where it would cover the
    // "b" of "button" and the tops of the support telephone number.
    Image13 = new Picture(this, "Image13", Bitmap::Info, 3705, 4305);

    Label2 = make_label(this, "Label2", QStringLiteral("Total VA:"), twipsRect(120, 105, 675, 300), regular);
    Label1 = make_label(this, "Label1", QString(), twipsRect(825, 105, 645, 270), bold);
    Label3 = make_label(this, "Label3", QStringLiteral("Desired Runtime:"), twipsRect(1620, 105, 1275, 330),
                        regular);
    Label9 = make_label(this, "Label9", QString(), twipsRect(2910, 105, 2220, 255), bold);

    ImageButton** buttons[7] = {&Image4, &Image5, &Image6, &Image7, &Image8, &Image9, &Image10};
    QLabel** captions[7] = {&Label4, &Label5, &Label6, &Label7, &Label8, &Label10, &Label11};
    for (int k = 0; k < 7; ++k) {
        const ClassRow& row = ClassRows[k];
        ImageButton* button =
            new ImageButton(this, row.button, Bitmap::Info, row.button_left, row.button_top);
        button->set_caption(QStringLiteral("Product information: ") + QString::fromLatin1(row.caption));
        *buttons[k] = button;
        const QByteArray name = QByteArrayLiteral("res(") + QByteArray::number(k) + ')';
        res[k] = make_label(this, name.constData(), QString(),
                            twipsRect(row.res_left, row.res_top, row.res_width, row.res_height), bold);
        *captions[k] =
            make_label(this, row.caption_name, QString::fromLatin1(row.caption),
                       twipsRect(row.caption_left, row.caption_top, row.caption_width, row.caption_height),
                       italic, CaptionGrey);
    }
    Label18 = make_label(this, "Label18", QStringLiteral("(XL models offer expandible runtimes)"),
                         twipsRect(525, 2400, 3675, 225), italic);

    Label15 =
        make_label(this, "Label15", QStringLiteral("For more product information, click the         button"),
                   twipsRect(60, 4455, 5145, 375), bold, Qt::white, Centred);
    Label16 =
        make_label(this, "Label16", QStringLiteral("For customer support, call: ") + MakerSupportTelephone,
                   twipsRect(60, 4725, 5145, 300), regular, Qt::white, Centred);
    Label17 = make_label(this, "Label17",
                         QStringLiteral("UPS Products and Features are Subject to Change Without Notice"),
                         twipsRect(45, 4995, 5145, 285), italic, Qt::white, Centred);

    Image1 = new ImageButton(this, "Image1", Bitmap::Face, 120, 5310);
    Image1->set_press_positions({105, 5340}, {120, 5310});
    Image1->setToolTip(QStringLiteral("Go back and modify list"));
    Image12 = new ImageButton(this, "Image12", Bitmap::Face, 1905, 5310);
    // Pressed straight down; every release leaves it 15 twips right of where it first stood.
    Image12->set_press_positions({1905, 5340}, {1920, 5310});
    Image2 = new ImageButton(this, "Image2", Bitmap::Face, 3720, 5310);
    Image2->set_press_positions({3705, 5340}, {3720, 5310});
    Image2->setToolTip(QStringLiteral("Quit the selector"));
    Image11 = new ImageButton(this, "Image11", Bitmap::Help, 4800, 15);
    Image11->set_caption(QStringLiteral("Help"));

    // The last two are four pixels wider than laid out, so their captions
    // stay on one line in Liberation Sans.
    Label13 = make_caption(this, "Label13", QStringLiteral("Modify Criteria"),
                           twipsRect(285, 5460, 1110, 255), regular);
    Label14 = make_caption(this, "Label14", QStringLiteral("Print Results"), twipsRect(2145, 5460, 975, 300),
                           regular);
    Label12 = make_caption(this, "Label12", QStringLiteral("Quit Selector"), twipsRect(3930, 5460, 990, 225),
                           regular);
    Image1->set_caption(Label13->text());
    Image12->set_caption(Label14->text());
    Image2->set_caption(Label12->text());

    connect(Image1, &ImageButton::clicked, this, &Form3::Image1_Click);
    connect(Image2, &ImageButton::clicked, this, &Form3::Image2_Click);
    connect(Image4, &ImageButton::clicked, this, &Form3::Image4_Click);
    connect(Image5, &ImageButton::clicked, this, &Form3::Image5_Click);
    connect(Image6, &ImageButton::clicked, this, &Form3::Image6_Click);
    connect(Image7, &ImageButton::clicked, this, &Form3::Image7_Click);
    connect(Image8, &ImageButton::clicked, this, &Form3::Image8_Click);
    connect(Image9, &ImageButton::clicked, this, &Form3::Image9_Click);
    connect(Image10, &ImageButton::clicked, this, &Form3::Image10_Click);
    connect(Image11, &ImageButton::clicked, this, &Form3::Image11_Click);
    connect(Image12, &ImageButton::clicked, this, &Form3::Image12_Click);
}

void Form3::Form_Load() {
    Form1& list = screens::form1();
    Label9->setText(list.Combo1->currentText());
    Label1->setText(list.Text1->text());
    list.hide();
}

void Form3::Image1_Click() {
    hand_over_to(screens::form1());
}

void Form3::Image2_Click() {
    platform().process->end();
}

void Form3::show_information(int ups_class) {
    Form5& viewer = screens::form5();
    viewer.show();
    viewer.Label2->setText(res[ups_class]->text());
    viewer.showinfo();
}

void Form3::Image4_Click() {
    show_information(0);
}
void Form3::Image5_Click() {
    show_information(1);
}
void Form3::Image6_Click() {
    show_information(2);
}
void Form3::Image7_Click() {
    show_information(3);
}
void Form3::Image8_Click() {
    show_information(4);
}
void Form3::Image9_Click() {
    show_information(5);
}
void Form3::Image10_Click() {
    show_information(6);
}

void Form3::Image11_Click() {
    show_message(
        QStringLiteral("To view more information on a particular model, click the 'i' (information) button"));
}

void Form3::Image12_Click() {
    print_results(Label1->text(), Label9->text(), res);
}

} // namespace vellimar
