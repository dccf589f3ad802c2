// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tradiogroup.h"

#include "widgets/tvrcheckled.h"
#include "widgets/vrpanel.h"

#include <QSignalBlocker>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, bool boldCaption, QWidget* parent)
    : TVrDisplay(parent)
{
    VrPanel::Text(this, caption, boldCaption ? 8 : 6, boldCaption ? 4 : 5, 12, boldCaption);
    int x = 8;
    for (const QString& item : items) {
        auto* led = new TVrCheckLed(item, this);
        led->setCheckStyle(TVrCheckLed::csRadioButton);
        led->setCursor(Qt::PointingHandCursor);
        led->setGeometry(x, 23, led->sizeHint().width(), led->sizeHint().height());
        x += led->width() + 10;
        m_items.append(led);
        connect(led, &TVrCheckLed::OnChange, this, [this](TVrCheckLed* sender) {
            if (sender->Checked()) {
                emit OnClick(this);
            } else if (ItemIndex() < 0) {
                const QSignalBlocker quiet(sender);
                sender->setChecked(true);
            }
        });
    }
}

int TRadioGroup::ItemIndex() const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i]->Checked())
            return i;
    return -1;
}

void TRadioGroup::setItemIndex(int index)
{
    if (TVrCheckLed* led = m_items.value(index))
        led->setChecked(true);
}
