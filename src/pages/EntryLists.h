#pragma once

#include "pages/Pages.h"
#include "ui/Canvas.h"

// Line `index` of a list page: the icon of its record, then its text.
void DessineIconeListe(ui::ListBox& control, ui::Canvas& canvas, int index, const ui::Rect& rect,
                       const TrayItemList& entries);

// A list page's list: its lines drawn from the records, and the selection handler run on a
// click and when the focus leaves it.
void WireEntryList(ui::ListBox& list, const TrayItemList& entries, const ui::Handler& onSelect);
