// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/valuetable.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

namespace {

// Keeps the table where its cover is, the same size, just under it.
class FollowCover : public QObject
{
public:
    FollowCover(QWidget* cover, QTableWidget* table) : QObject(table), m_table(table)
    {
        cover->installEventFilter(this);
        Follow(cover);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize)
            Follow(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, e);
    }

private:
    void Follow(QWidget* cover)
    {
        m_table->setGeometry(cover->geometry());
        m_table->stackUnder(cover);
    }

    QTableWidget* m_table;
};

} // namespace

QTableWidget* HiddenValueTable(QWidget* cover, const char* name, const QString& spokenName)
{
    auto* table = new QTableWidget(cover->parentWidget());
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(spokenName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table, the arrows move in it
    table->setFocusPolicy(Qt::StrongFocus);
    table->verticalHeader()->hide();
    new FollowCover(cover, table);
    return table;
}

void FillValueTable(QTableWidget* table, const QStringList& header, const QList<QStringList>& rows)
{
    table->setColumnCount(int(header.size()));
    table->setHorizontalHeaderLabels(header);
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < header.size(); ++c) {
            auto* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(r, c, item);
            }
            item->setText(rows[r].value(c));
        }
}
