#include "shell/forms.h"

#include "shell/frm1.h"

namespace pentarix {

namespace {

struct Forms {
    FormSlot<Frm1> frm1;
};

Forms& forms() {
    static Forms instance;
    return instance;
}

} // namespace

Frm1& frm1() { return forms().frm1(); }
bool frm1IsLoaded() { return forms().frm1.isLoaded(); }

void discardAllForms() { forms().frm1.discard(); }

} // namespace pentarix
