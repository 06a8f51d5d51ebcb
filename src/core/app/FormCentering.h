#pragma once
// Where a form goes to stand centred on its parent (or the screen) without changing its size.

namespace quorvia {

struct FormRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The form's new position. With the main window as parent and belowToolbar, the form is
// centred in the room the toolbar leaves: parentInnerHeight is the parent's inner height and
// toolbarHeight counts 0 when it cannot be read. Without a parent, pass the screen with left
// and top 0.
FormRect CenterForm(const FormRect& form, const FormRect& parent, bool belowToolbar = false,
                    int parentInnerHeight = 0, int toolbarHeight = 0);

}  // namespace quorvia
