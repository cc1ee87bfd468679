#pragma once

#include "config/Pages.h"
#include "ui/Canvas.h"

// Line `index` of a list page: the icon of its record, then its text.
void DessineIconeListe(ui::ListBox& control, ui::Canvas& canvas, int index, const ui::Rect& rect,
                       const TrayItemList& entries);
