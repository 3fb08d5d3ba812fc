#pragma once
// The rich-text box: here a read-only plain-text box that the user can scroll,
// select in and copy from, with tab stops set in twips.
#include <QPlainTextEdit>
#include <initializer_list>

namespace fluvan::platform {

class RichTextBox : public QPlainTextEdit {
public:
    explicit RichTextBox(QWidget* eltern);

    // Tab stops at these distances from the text's left edge, in twips.
    void setzeTabstopps(std::initializer_list<int> twips);
};

}  // namespace fluvan::platform
