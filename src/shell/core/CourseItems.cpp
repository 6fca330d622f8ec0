#include "shell/core/CourseItems.h"

#include "ui/TextBox.h"

QStringList ItemsJustRead(const AppContext& app, const TextBox& Txtini)
{
    const QString& text = Txtini.Text();
    if (text.isEmpty()) return {};
    if (!text.contains(QLatin1Char(' '))) return {text};
    QStringList items;
    for (int k = 1; k <= app.ItemCount && k < int(app.ItemList.size()); ++k)
        items << app.ItemList[k];
    return items;
}
