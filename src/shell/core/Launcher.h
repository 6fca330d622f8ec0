#pragma once
// Titles that open windows: the catalogue's two tables and the activity chooser's table.
// The titles are fixed by the course data; the windows behind them register themselves
// in the WindowRegistry, so a title whose window does not exist yet opens nothing.

#include "shell/core/AppContext.h"

#include <QString>
#include <initializer_list>
#include <vector>

enum class TitleTable {
    Catalogue,      // catalogue captions of the areas 数学, 认知, 填色
    CatalogueSteps, // the chooser's step titles that the catalogue also accepts
    Chooser,        // the activity chooser's step titles
};

struct TitleEntry {
    QString title;
    QString window;
};
// Every title of a table with its window, in the order they are compared.
std::vector<TitleEntry> titlesOf(TitleTable table);

// The window a title names in a table, or an empty string.
QString windowForTitle(TitleTable table, const QString& title);

// Opens the window that the first of the tables naming the title names: logs
// "launch <title>", and "launch <title>: no window" when nothing opens. Returns whether a
// window opened.
bool launchTitle(AppContext& app, std::initializer_list<TitleTable> tables, const QString& title);

// The areas whose catalogue entries are lessons, opened in the activity chooser.
bool isLessonArea(const QString& area);
// The areas whose catalogue entries open an activity window directly.
bool isActivityArea(const QString& area);

// What a grown-up calls a window: the title the child opened it with, else the first title
// of the tables that names it or its menu, else its name.
QString titleOfWindow(const AppContext& app, const QString& window);
