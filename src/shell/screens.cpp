#include "shell/screens.h"

#include "entry/form2.h"
#include "entry/form4.h"
#include "entry/form6.h"
#include "loadlist/form1.h"
#include "results/form3.h"
#include "results/form5.h"

namespace vellimar {

std::string DataPrefix;

namespace screens {

namespace {

Form1* f1 = nullptr;
Form2* f2 = nullptr;
Form3* f3 = nullptr;
Form4* f4 = nullptr;
Form5* f5 = nullptr;
Form6* f6 = nullptr;

template <typename Form> Form& touch(Form*& slot) {
    if (!slot) {
        slot = new Form;
        slot->Form_Load();
    }
    return *slot;
}

} // namespace

Form1& form1() {
    return touch(f1);
}
Form2& form2() {
    return touch(f2);
}
Form3& form3() {
    return touch(f3);
}
Form4& form4() {
    return touch(f4);
}
Form5& form5() {
    return touch(f5);
}
Form6& form6() {
    return touch(f6);
}

bool exists(int number) {
    switch (number) {
    case 1:
        return f1;
    case 2:
        return f2;
    case 3:
        return f3;
    case 4:
        return f4;
    case 5:
        return f5;
    case 6:
        return f6;
    default:
        return false;
    }
}

void close_form5() {
    if (!f5)
        return;
    // The viewer may be closing from inside its own handler: hide it now and
    // let the event loop delete it once that handler has returned.
    Form5* closing = f5;
    f5 = nullptr;
    closing->hide();
    closing->deleteLater();
}

void reset_all() {
    delete f5;
    delete f3;
    delete f2;
    delete f4;
    delete f1;
    delete f6;
    f1 = nullptr;
    f2 = nullptr;
    f3 = nullptr;
    f4 = nullptr;
    f5 = nullptr;
    f6 = nullptr;
}

} // namespace screens
} // namespace vellimar
