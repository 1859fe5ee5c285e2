#include "entry/form2.h"

#include <QLabel>

#include "shell/look.h"

namespace vellimar {

Form2::Form2() : Screen("Form2", QStringLiteral("Select Item Category"), 5205, 5475) {
    const QFont prompt = screen_font(9.75, Bold);
    Label2 = make_label(this, "Label2", QStringLiteral("1. Select Manufacturer:"),
                        twipsRect(135, 285, 2460, 285), prompt);
    Label3 = make_label(this, "Label3", QStringLiteral("2. Select Model:"), twipsRect(135, 1905, 1845, 285),
                        prompt);
    Label1 =
        make_label(this, "Label1", QStringLiteral("Label1"), twipsRect(4215, 165, 780, 210), screen_font());
    Label1->hide();
}

void Form2::getmanufs() {}

} // namespace vellimar
