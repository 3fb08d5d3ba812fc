#include "platform/richtextbox.h"

#include <QList>
#include <QTextDocument>
#include <QTextOption>

#include "platform/twips.h"

namespace fluvan::platform {

RichTextBox::RichTextBox(QWidget* eltern) : QPlainTextEdit(eltern) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    // Nothing can be typed into it, so the tab key moves on to the next control.
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void RichTextBox::setzeTabstopps(std::initializer_list<int> twips) {
    QList<QTextOption::Tab> tabs;
    for (int t : twips) tabs.append(QTextOption::Tab(pixel(t), QTextOption::LeftTab));
    QTextOption option = document()->defaultTextOption();
    option.setTabs(tabs);
    document()->setDefaultTextOption(option);
}

}  // namespace fluvan::platform
