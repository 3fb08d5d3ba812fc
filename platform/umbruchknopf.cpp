#include "platform/umbruchknopf.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace fluvan::platform {

void Umbruchknopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButton, option);
    const QRect innen = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    maler.drawItemText(innen, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette, isEnabled(),
                       caption, QPalette::ButtonText);
}

}  // namespace fluvan::platform
