// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers behind a picture, for those who cannot see it: a read-only
// table that the keyboard reaches (Tab) and a screen reader reads cell by
// cell with its column headers, kept out of sight under the picture it
// describes, whose place and size it follows. The picture is unchanged.

#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

// A table named `name` (objectName) and `spokenName` (for screen readers),
// a sibling of `cover` stacked under it.
QTableWidget* HiddenValueTable(QWidget* cover, const char* name, const QString& spokenName);

// Replaces the table's columns and rows with these texts.
void FillValueTable(QTableWidget* table, const QStringList& header, const QList<QStringList>& rows);
