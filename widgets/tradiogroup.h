// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrdisplay.h"

#include <QList>
#include <QStringList>

class TVrCheckLed;

// A captioned panel with a row of radio-style LEDs of which exactly one is
// lit: clicking the lit LED leaves it lit. OnClick comes when another item
// is chosen.
class TRadioGroup : public TVrDisplay {
    Q_OBJECT

public:
    TRadioGroup(const QString& caption, const QStringList& items, bool boldCaption, QWidget* parent = nullptr);

    int ItemIndex() const;
    void setItemIndex(int index);
    TVrCheckLed* Item(int index) const { return m_items.value(index); }

signals:
    void OnClick(TRadioGroup* sender);

private:
    QList<TVrCheckLed*> m_items;
};
