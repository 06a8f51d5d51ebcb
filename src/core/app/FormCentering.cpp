#include "core/app/FormCentering.h"

namespace quorvia {

namespace {

// Int(x / 2): rounds toward minus infinity, also when the form is larger than its parent.
int HalfDown(int value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

}  // namespace

FormRect CenterForm(const FormRect& form, const FormRect& parent, bool belowToolbar,
                    int parentInnerHeight, int toolbarHeight) {
    FormRect centred = form;
    centred.left = parent.left + HalfDown(parent.width - form.width);
    int room = belowToolbar ? parentInnerHeight - toolbarHeight : parent.height;
    centred.top = parent.top + HalfDown(room - form.height);
    return centred;
}

}  // namespace quorvia
