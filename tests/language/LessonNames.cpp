#include "LessonNames.h"

QStringList fruitNames(int n)
{
    static const char* const Fruit[] = {"苹果", "香蕉", "葡萄", "西瓜", "橙子", "草莓", "梨",
                                        "桃子", "樱桃", "菠萝", "柠檬", "芒果", "石榴", "柿子",
                                        "李子", "杏",   "椰子", "荔枝", "龙眼", "枣"};
    QStringList items;
    for (int i = 0; i < n && i < int(std::size(Fruit)); ++i)
        items << QString::fromUtf8(Fruit[i]);
    return items;
}
